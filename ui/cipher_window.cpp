#include "ui/cipher_window.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
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

#include "engine/line_breaks.h"
#include "engine/passes.h"
#include "engine/wipe.h"
#include "ui/closing_slide.h"
#include "ui/pin_filter.h"
#include "ui/text_box_holder.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitUiResources() {
    Q_INIT_RESOURCE(ui_resources);
}

namespace velk::ui {

namespace {

const QColor LightGrey(192, 192, 192);

void InstallFontSubstitutes() {
    // Metric-compatible stand-ins where the named faces are not installed.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

QFont MakeFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(family == QStringLiteral("Courier New") ? QFont::TypeWriter
                                                              : QFont::SansSerif);
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

void Place(QWidget& widget, const TwipsRect& r) {
    widget.setGeometry(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                       TwipsToPixels(r.height));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const TwipsRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(*label, place);
    return label;
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

QString FromAscii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* MakeList(QWidget* parent, const char* name, const TwipsRect& place) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    Place(*list, place);
    return list;
}

}  // namespace

QString ListText(int n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

CipherWindow::CipherWindow(Edition edition, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), edition_(std::move(edition)), desktop_(desktop) {
    InitUiResources();
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(edition_.caption);
    setWindowIcon(QIcon(QStringLiteral(":/velk/icon.png")));
    setPalette(WindowPalette(palette()));
    setFont(MakeFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    BuildControls();
    BuildMenu();
    // Fixed size: the client area of the edition below the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    txtKey->setFocus();
}

CipherWindow::~CipherWindow() = default;

void CipherWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsToPixels(edition_.clientWidth), TwipsToPixels(edition_.clientHeight));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    // Created in tab order: txtKey, Text1, Combo1, Kk1 to Kk4.
    txtKey = new QLineEdit(client);
    txtKey->setObjectName(QStringLiteral("txtKey"));
    txtKey->setMaxLength(PinCharacters);
    txtKey->setFont(MakeFont(QStringLiteral("Courier New"), 8.25, false));
    txtKey->setToolTip(edition_.txtKeyToolTip);
    // Digits only, whichever way they come; the validator is the last word
    // for any way in that the guard does not know.
    txtKey->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), txtKey));
    new PinBoxGuard(
        *txtKey, [this](const QKeyEvent& event) { return txtKey_KeyPress(event); },
        [this] { desktop_.beep(); });
    Place(*txtKey, edition_.txtKey);

    Text1 = new TextBox(client, [this] { Refuse(FromAscii(TextTooLongRefusal)); });
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(true);
    Text1->setAccessibleName(QStringLiteral("Text"));
    Place(*Text1, edition_.text1);

    Combo1 = MakeList(client, "Combo1", edition_.combo1);

    if (edition_.keyPickers) {
        for (std::size_t i = 0; i < Kk.size(); ++i) {
            const QByteArray name = "Kk" + QByteArray::number(static_cast<int>(i + 1));
            Kk[i] = MakeList(client, name.constData(), edition_.keyPickers->places[i]);
            Kk[i]->setToolTip(edition_.keyPickers->toolTips[i]);
            // Screen readers name a list by its label (on Linux a list's own
            // name is its current text); the pickers' labels are for them only.
            auto* label = new QLabel(QStringLiteral("Key %1").arg(i + 1), client);
            label->setObjectName(QString::fromLatin1(name + "Label"));
            label->setBuddy(Kk[i]);
            label->hide();
        }
    }

    Label2 = MakeLabel(client, "Label2", edition_.label2);
    Label2->setToolTip(text::Copyright);

    Label1 = MakeLabel(client, "Label1", edition_.label1);
    Label1->setText(QStringLiteral("Enter Pin"));
    Label1->setFont(MakeFont(QStringLiteral("Arial"), 8.25, true));
    Label1->setBuddy(txtKey);

    Label3 = MakeLabel(client, "Label3", edition_.label3);
    Label3->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 12, true));
    Label3->hide();

    Label4 = MakeLabel(client, "Label4", edition_.label4);
    Label4->setText(QStringLiteral("Number Of Times"));
    Label4->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label4->setBuddy(Combo1);

    QWidget* previous = txtKey;
    for (QWidget* next : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Combo1)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QComboBox* picker : Kk) {
        if (picker != nullptr) {
            setTabOrder(previous, picker);
            previous = picker;
        }
    }
}

void CipherWindow::BuildMenu() {
    menuBar()->setNativeMenuBar(false);
    EncryptDecrypt = menuBar()->addMenu(QStringLiteral("&Encrypt Decrypt"));
    EncryptDecrypt->setObjectName(QStringLiteral("EncryptDecrypt"));
    EncryptDecrypt->setSeparatorsCollapsible(false);
    auto* menuStyle = new MenuStyle;
    menuStyle->setParent(EncryptDecrypt);
    EncryptDecrypt->setStyle(menuStyle);

    const auto separator = [this](const char* name) {
        EncryptDecrypt->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    const auto item = [this](const char* name, const QString& caption, auto handler) {
        QAction* action = EncryptDecrypt->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    separator("Space1");
    EncryptTxt = item("EncryptTxt", QStringLiteral("&Encrypt Or Decrypt Txt "),
                      &CipherWindow::EncryptTxt_Click);
    DecryptTxt = item("DecryptTxt", QStringLiteral("&Decrypt Or Encrypt Txt "),
                      &CipherWindow::DecryptTxt_Click);
    separator("Space3");
    CopyToClipboard = item("CopyToClipboard", QStringLiteral("&Copy To Clipboard"),
                           &CipherWindow::CopyToClipboard_Click);
    separator("Space");
    Exit1 = item("Exit1", QStringLiteral("&Exit"), &CipherWindow::Exit1_Click);
    separator("Space2");
}

void CipherWindow::LoadCommon() {
    CopyToClipboard->setEnabled(false);
    for (int n = 1; n <= MaxPassCount; ++n) {
        Combo1->addItem(ListText(n));
    }
    Combo1->setCurrentIndex(Combo1->findText(QStringLiteral("01")));
}

std::vector<std::u16string> CipherWindow::KeyTexts() const {
    std::vector<std::u16string> texts;
    texts.reserve(Kk.size());  // growing would leave copies behind
    for (const QComboBox* picker : Kk) {
        if (picker != nullptr) {
            texts.push_back(picker->currentText().toStdU16String());
        }
    }
    return texts;
}

void CipherWindow::EncryptTxt_Click() {
    RunPasses(Direction::Forward);
}

void CipherWindow::DecryptTxt_Click() {
    RunPasses(Direction::Inverse);
}

bool CipherWindow::CheckRunInput(std::u16string_view pin,
                                 const std::vector<std::u16string>& keyTexts) {
    const RunInputCheck check = ValidateRunInput(pin, keyTexts);
    if (check != RunInputCheck::Ok) {
        Refuse(FromAscii(RefusalMessage(check)));
    }
    return check == RunInputCheck::Ok;
}

void CipherWindow::RunPasses(Direction direction) {
    if (ending_ || running_) {
        return;
    }
    // Every copy of the PIN, the key texts, the text and the cipher state
    // made here is overwritten on every way out. Out of reach stay the
    // controls' own storage (the PIN box's text and Text1's document, which
    // with its undo history keeps the texts it held before) and the strings
    // Qt makes of them on its way.
    std::u16string pin = txtKey->text().toStdU16String();
    const WipedAtEnd wipePin(pin);
    std::vector<std::u16string> keyTexts = KeyTexts();
    const WipedAtEnd wipeKeyTexts(keyTexts);
    if (!CheckRunInput(pin, keyTexts)) {
        return;
    }
    const std::optional<int> passCount = ReadPassCount(Combo1->currentText().toStdU16String());
    if (!passCount) {
        Refuse(FromAscii(PassCountRefusal));
        return;
    }
    // The passes work on a copy of the box's text, with CR LF line breaks,
    // which is written back once at the end: the whole run is one undo step
    // of Text1.
    std::u16string boxText = TextBoxHolder(*Text1).ReadText();
    std::u16string text = ToCrLf(boxText).text;
    Wipe(boxText);
    const WipedAtEnd wipeText(text);
    if (!FitsPass(text.size())) {
        Refuse(FromAscii(TextTooLongRefusal));
        return;
    }
    MemoryTextHolder work(std::move(text));
    const WipedAtEnd wipeState(cipherState_);

    // ReadPassCount gives at most MaxPassCount, well inside PassCounter's 16-bit range.
    const auto lastPass = static_cast<std::int16_t>(*passCount);

    running_ = true;
    SetLocked(true);
    bool completed = true;
    try {
        for (PassCounter = 1; PassCounter <= lastPass; ++PassCounter) {
            std::u16string passPin = txtKey->text().toStdU16String();
            const WipedAtEnd wipePassPin(passPin);
            PrepareRunPass(cipherState_, passPin);
            Label3->setText(text::Working);
            Label3->show();
            desktop_.processEventsOnce();
            if (ending_) {
                completed = false;
                break;
            }
            desktop_.setBusyPointer();
            if (direction == Direction::Forward) {
                ForwardPass(cipherState_, work, Text2);
            } else {
                InversePass(cipherState_, work, Text2);
            }
        }
    } catch (const std::exception&) {
        completed = false;
    }
    Text2.ReplaceText({});
    Label3->hide();
    desktop_.restorePointer();
    SetLocked(false);
    running_ = false;
    if (completed) {
        TextBoxHolder(*Text1).ReplaceText(work.ReadText());
        CopyToClipboard->setEnabled(true);
    } else if (!ending_) {
        Refuse(text::RunFailed);
    }
}

void CipherWindow::SetLocked(bool locked) {
    if (locked) {
        focusBeforeRun_ = QApplication::focusWidget();
        copyWasEnabled_ = CopyToClipboard->isEnabled();
    }
    for (QAction* action : {EncryptTxt, DecryptTxt}) {
        action->setEnabled(!locked);
    }
    CopyToClipboard->setEnabled(!locked && copyWasEnabled_);
    txtKey->setReadOnly(locked);
    Text1->setReadOnly(locked);
    Combo1->setEnabled(!locked);
    for (QComboBox* picker : Kk) {
        if (picker != nullptr) {
            picker->setEnabled(!locked);
        }
    }
    if (!locked && !focusBeforeRun_.isNull()) {
        focusBeforeRun_->setFocus();
    }
}

void CipherWindow::Refuse(const QString& message) {
    desktop_.messageBox(this, message, edition_.refusalTitle, MessageIcon::Critical);
}

bool CipherWindow::txtKey_KeyPress(const QKeyEvent& event) {
    if (FilterPinKey(event) == PinKey::Pass) {
        return true;
    }
    desktop_.beep();
    return false;
}

void CipherWindow::CopyToClipboard_Click() {
    if (ending_ || running_) {
        return;
    }
    if (!desktop_.setClipboardText(BoxText(*Text1))) {
        desktop_.messageBox(this, text::CopyFailed, edition_.refusalTitle, MessageIcon::Critical);
        return;
    }
    desktop_.messageBox(this, text::Copied, CopyConfirmationTitle, MessageIcon::Information);
}

void CipherWindow::Exit1_Click() {
    EndWithSlide();
}

void CipherWindow::Form_Unload(int& cancel) {
    cancel = 0;
    EndWithSlide();
}

void CipherWindow::EndWithSlide() {
    if (ending_) {
        return;
    }
    ending_ = true;
    const std::unique_ptr<SlideFrame> frame = desktop_.slideFrame(*this);
    RunClosingSlide(*frame);
    desktop_.endProgram(0);
}

void CipherWindow::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Form_Unload(cancel);
    event->accept();
}

void CipherWindow::showEvent(QShowEvent* event) {
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

}  // namespace velk::ui
