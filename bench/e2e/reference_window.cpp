// The floor the end-to-end figures are measured against: a Qt Widgets window
// with a menu bar and a big label showing the last key typed, the least a
// typing tutor redraws for a key.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

class LetterWindow : public QMainWindow {
public:
    LetterWindow() {
        menuBar()->addMenu(QStringLiteral("&File"));
        QFont big = letter_.font();
        big.setPixelSize(kLetterPixels);
        letter_.setFont(big);
        letter_.setAlignment(Qt::AlignCenter);
        letter_.setText(QStringLiteral("a"));
        setCentralWidget(&letter_);
        resize(800, 600);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->text().isEmpty()) {
            letter_.setText(event->text());
        }
    }

private:
    static constexpr int kLetterPixels = 160;
    QLabel letter_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LetterWindow window;
    window.show();
    return QApplication::exec();
}
