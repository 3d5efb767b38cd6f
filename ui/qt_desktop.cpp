#include "ui/qt_desktop.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDeadlineTimer>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QWidget>

#include "ui/closing_slide.h"
#include "ui/edition.h"
#include "ui/pin_filter.h"

namespace velk::ui {

namespace {

// The slide may take this long before the program ends regardless.
constexpr int SlideTimeLimitMs = 2500;

// Twips over a top-level widget: Left and Top of its frame, Width and Height
// of its frame; the frame's border is kept when the size is set.
class QtSlideFrame final : public SlideFrame {
public:
    explicit QtSlideFrame(QWidget& window) : window_(window), deadline_(SlideTimeLimitMs) {
        // The window is of fixed size while it lives; the slide shrinks it.
        if (QLayout* layout = window_.layout()) {
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        }
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (auto* main = qobject_cast<QMainWindow*>(&window_)) {
            if (QWidget* central = main->centralWidget()) {
                central->setMinimumSize(0, 0);
                central->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
        }
    }

    int left() const override { return window_.frameGeometry().left() * TwipsPerPixel; }
    int top() const override { return window_.frameGeometry().top() * TwipsPerPixel; }
    int width() const override { return window_.frameGeometry().width() * TwipsPerPixel; }
    int height() const override { return window_.frameGeometry().height() * TwipsPerPixel; }

    void setLeft(int twips) override {
        window_.move(TwipsToPixels(twips), window_.frameGeometry().top());
    }
    void setTop(int twips) override {
        window_.move(window_.frameGeometry().left(), TwipsToPixels(twips));
    }
    void setWidth(int twips) override {
        const int border = window_.frameGeometry().width() - window_.width();
        window_.resize(std::max(0, TwipsToPixels(twips) - border), window_.height());
    }
    void setHeight(int twips) override {
        const int border = window_.frameGeometry().height() - window_.height();
        window_.resize(window_.width(), std::max(0, TwipsToPixels(twips) - border));
    }

    int screenWidth() const override {
        const QScreen* screen = window_.screen();
        return screen != nullptr ? screen->geometry().width() * TwipsPerPixel : 0;
    }

    void showChanges() override {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    bool timeIsUp() const override { return deadline_.hasExpired(); }

private:
    QWidget& window_;
    QDeadlineTimer deadline_;
};

}  // namespace

QtDesktop::~QtDesktop() {
    restorePointer();
}

void QtDesktop::messageBox(QWidget* parent, const QString& text, const QString& title,
                           MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title,
        text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::setBusyPointer() {
    if (!busy_) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        busy_ = true;
    }
}

void QtDesktop::restorePointer() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

void QtDesktop::processEventsOnce() {
    QCoreApplication::processEvents();
}

bool QtDesktop::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    auto* data = new QMimeData;
    data->setText(text);
    // Clipboard managers that honour the hint keep the text out of their
    // history and their sync.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    MarkAsWindowText(*data);
    clipboard->clear();
    clipboard->setMimeData(data);
    return clipboard->text() == text;
}

std::unique_ptr<SlideFrame> QtDesktop::slideFrame(QWidget& window) {
    return std::make_unique<QtSlideFrame>(window);
}

void QtDesktop::endProgram(int status) {
    QCoreApplication::exit(status);
}

}  // namespace velk::ui
