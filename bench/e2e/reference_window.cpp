// The floor the end-to-end figures are measured against: a Qt Widgets window
// with a menu bar and a big label showing the last key typed, the least a
// typing tutor redraws for a key. With --still the label stays as it is:
// what remains is Qt's own cost of taking a key.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

class LetterWindow : public QMainWindow {
public:
    explicit LetterWindow(bool still) : still_(still) {
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
        if (!still_ && !event->text().isEmpty()) {
            letter_.setText(event->text());
        }
    }

private:
    static constexpr int kLetterPixels = 160;
    bool still_;
    QLabel letter_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LetterWindow window(QCoreApplication::arguments().contains(QStringLiteral("--still")));
    window.show();
    return QApplication::exec();
}
