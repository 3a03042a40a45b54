// The floor the end-to-end figures are measured against: a Qt Widgets window
// with a menu bar, a label and a line that echoes what is typed.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    QWidget central;
    QVBoxLayout layout(&central);
    QLabel label(QStringLiteral("A trivial Qt window"));
    QLineEdit line;
    layout.addWidget(&label);
    layout.addWidget(&line);
    window.setCentralWidget(&central);
    window.resize(800, 600);
    window.show();
    line.setFocus();
    return QApplication::exec();
}
