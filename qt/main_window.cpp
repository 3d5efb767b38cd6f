#include "qt/main_window.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyleOptionMenuItem>

#include "engine/run_input.h"
#include "qt/pin_box_guard.h"
#include "qt/qt_text.h"
#include "qt/text_box.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitQtResources() {
    Q_INIT_RESOURCE(qt_resources);
}

namespace velk::qt {

namespace {

using ui::Control;
using ui::TwipsToPixels;

const QColor LightGrey(192, 192, 192);

QString FromAscii(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

void InstallFontSubstitutes() {
    // Metric-compatible stand-ins where the named faces are not installed.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

QFont MakeFont(const ui::Font& spec) {
    QFont font(ToQString(spec.face));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setStyleHint(spec.face == ui::FixedPitchFace ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

// Light grey surfaces with dark text whatever the desktop's palette.
QPalette WindowPalette(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, LightGrey);
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Button, LightGrey);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, LightGrey);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::Button, LightGrey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(224, 224, 224));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    return palette;
}

// Separator lines tall enough to show even at the top and bottom of a menu,
// where the frame would hide a thin one.
class MenuStyle final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type == CT_MenuItem && item != nullptr &&
            item->menuItemType == QStyleOptionMenuItem::Separator) {
            result.setHeight(std::max(result.height(), 9));
        }
        return result;
    }
};

QWidget* MakeControl(QWidget* client, const ui::ControlSpec& spec) {
    switch (spec.kind) {
        case ui::ControlKind::PinBox: {
            auto* box = new QLineEdit(client);
            box->setMaxLength(PinCharacters);
            // Digits only, whichever way they come; the validator is the
            // last word for any way in that the guard does not know.
            box->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,8}")), box));
            return box;
        }
        case ui::ControlKind::TextBox: {
            auto* box = new TextBox(client);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setTabChangesFocus(true);
            return box;
        }
        case ui::ControlKind::List: {
            auto* list = new QComboBox(client);
            list->setEditable(false);
            return list;
        }
        case ui::ControlKind::Label: {
            auto* label = new QLabel(ToQString(spec.caption), client);
            label->setAutoFillBackground(true);
            label->setFocusPolicy(Qt::NoFocus);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
    }
    return nullptr;
}

// Screen readers name an input by the label related to it (on Linux a
// list's own name is its current text); where no label shows, a hidden one
// carries the name.
void RelateLabels(QWidget* client, const ui::Edition& edition,
                  const std::array<QWidget*, ui::ControlCount>& controls) {
    const auto at = [&controls](Control c) { return controls[static_cast<std::size_t>(c)]; };
    for (const ui::ControlSpec& spec : ui::Controls(edition)) {
        if (spec.names) {
            static_cast<QLabel*>(at(spec.id))->setBuddy(at(*spec.names));
        } else if (!spec.unlabelledName.empty()) {
            auto* label = new QLabel(ToQString(spec.unlabelledName), client);
            label->setObjectName(at(spec.id)->objectName() + QStringLiteral("Label"));
            label->setBuddy(at(spec.id));
            label->hide();
        }
    }
}

}  // namespace

MainWindow::MainWindow(const ui::Edition& edition, QWidget* parent) : QMainWindow(parent) {
    InitQtResources();
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(edition.caption));
    setWindowIcon(QIcon(QStringLiteral(":/velk/icon.png")));
    setPalette(WindowPalette(palette()));
    setFont(MakeFont(ui::WindowFont));
    BuildControls(edition);
    BuildMenu();
    // Fixed size: the client area of the edition below the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    txtKey->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls(const ui::Edition& edition) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsToPixels(edition.clientWidth), TwipsToPixels(edition.clientHeight));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    QWidget* previous = nullptr;
    for (const ui::ControlSpec& spec : ui::Controls(edition)) {
        QWidget* control = MakeControl(client, spec);
        control->setObjectName(FromAscii(ui::ControlName(spec.id)));
        control->setGeometry(TwipsToPixels(spec.place.left), TwipsToPixels(spec.place.top),
                             TwipsToPixels(spec.place.width), TwipsToPixels(spec.place.height));
        control->setToolTip(ToQString(spec.toolTip));
        if (spec.font) {
            control->setFont(MakeFont(*spec.font));
        }
        control->setVisible(spec.visible);
        if (spec.kind != ui::ControlKind::Label) {
            if (previous != nullptr) {
                setTabOrder(previous, control);
            }
            previous = control;
        }
        controls_[static_cast<std::size_t>(spec.id)] = control;
    }
    txtKey = static_cast<QLineEdit*>(Widget(Control::txtKey));
    Text1 = static_cast<QPlainTextEdit*>(Widget(Control::Text1));
    RelateLabels(client, edition, controls_);
}

void MainWindow::BuildMenu() {
    menuBar()->setNativeMenuBar(false);
    EncryptDecrypt = menuBar()->addMenu(ToQString(ui::MenuTitle));
    EncryptDecrypt->setObjectName(FromAscii(ui::MenuName));
    EncryptDecrypt->setSeparatorsCollapsible(false);
    auto* menuStyle = new MenuStyle;
    menuStyle->setParent(EncryptDecrypt);
    EncryptDecrypt->setStyle(menuStyle);
    for (const ui::MenuEntry& entry : ui::Menu) {
        QAction* action = entry.item ? EncryptDecrypt->addAction(ToQString(entry.caption))
                                     : EncryptDecrypt->addSeparator();
        action->setObjectName(FromAscii(entry.name));
        if (entry.item) {
            menuItems_[static_cast<std::size_t>(*entry.item)] = action;
        }
    }
}

void MainWindow::Attach(ui::CipherWindow& form) {
    form_ = &form;
    for (const ui::MenuEntry& entry : ui::Menu) {
        if (entry.item) {
            connect(menuItems_[static_cast<std::size_t>(*entry.item)], &QAction::triggered, this,
                    [this, item = *entry.item] { form_->Click(item); });
        }
    }
    new PinBoxGuard(*txtKey, form);
    static_cast<TextBox*>(Text1)->SetPasteCheck(
        [&form](std::u16string_view box, std::size_t start, std::size_t end,
                std::u16string_view pasted) { return form.Text1_Paste(box, start, end, pasted); });
}

QWidget* MainWindow::Widget(Control control) const {
    return controls_[static_cast<std::size_t>(control)];
}

QComboBox* MainWindow::List(Control control) const {
    return qobject_cast<QComboBox*>(Widget(control));
}

QLabel* MainWindow::Label(Control control) const {
    return qobject_cast<QLabel*>(Widget(control));
}

std::u16string MainWindow::text(Control control) const {
    QString text;
    if (control == Control::txtKey) {
        text = txtKey->text();
    } else if (control == Control::Text1) {
        text = BoxText(*Text1);
    } else if (const QComboBox* list = List(control)) {
        text = list->currentText();
    } else if (const QLabel* label = Label(control)) {
        text = label->text();
    }
    std::u16string read = text.toStdU16String();
    WipeText(text);
    return read;
}

void MainWindow::setText(Control control, std::u16string_view text) {
    QString replacement = ToQString(text);
    if (control == Control::txtKey) {
        txtKey->setText(replacement);
    } else if (control == Control::Text1) {
        ReplaceBoxText(*Text1, replacement);
    } else if (QComboBox* list = List(control)) {
        list->setCurrentIndex(list->findText(replacement));
    } else if (QLabel* label = Label(control)) {
        label->setText(replacement);
    }
    WipeText(replacement);
}

void MainWindow::addItem(Control list, std::u16string_view item) {
    List(list)->addItem(ToQString(item));
}

void MainWindow::showLabel(Control label, bool visible) {
    Widget(label)->setVisible(visible);
}

void MainWindow::enableItem(ui::MenuItem item, bool enabled) {
    menuItems_[static_cast<std::size_t>(item)]->setEnabled(enabled);
}

void MainWindow::setLocked(bool locked) {
    if (locked) {
        focusBeforeLock_ = QApplication::focusWidget();
    }
    txtKey->setReadOnly(locked);
    Text1->setReadOnly(locked);
    for (QWidget* control : controls_) {
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            control->setEnabled(!locked);
        }
    }
    if (!locked && !focusBeforeLock_.isNull()) {
        focusBeforeLock_->setFocus();
    }
}

// Left and Top of the frame, Width and Height of the frame; the frame's
// border is kept when the size is set.
ui::WindowGeometry MainWindow::windowGeometry() const {
    const QRect frame = frameGeometry();
    return {ui::PixelsToTwips(frame.left()), ui::PixelsToTwips(frame.top()),
            ui::PixelsToTwips(frame.width()), ui::PixelsToTwips(frame.height())};
}

void MainWindow::setWindowGeometry(const ui::WindowGeometry& geometry) {
    if (!resizable_) {
        // The window is of fixed size until something else sets its size.
        resizable_ = true;
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        for (QWidget* widget : {static_cast<QWidget*>(this), centralWidget()}) {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    }
    const QRect frame = frameGeometry();
    move(TwipsToPixels(geometry.left), TwipsToPixels(geometry.top));
    resize(std::max(0, TwipsToPixels(geometry.width) - (frame.width() - width())),
           std::max(0, TwipsToPixels(geometry.height) - (frame.height() - height())));
}

int MainWindow::screenWidth() const {
    const QScreen* screen = this->screen();
    return screen != nullptr ? ui::PixelsToTwips(screen->geometry().width()) : 0;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (form_ != nullptr) {
        form_->RequestClose();
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

}  // namespace velk::qt
