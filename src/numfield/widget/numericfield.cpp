#include "numfield/widget/numericfield.h"

#include "base/qt/qtstrings.h"
#include "base/qt/readablecolour.h"

#include "numfield/model/validationmessage.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/fieldkeys.h"
#include "numfield/widget/numericfieldaccessible.h"
#include "numfield/widget/refusalballoon.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTabWidget>

namespace paysmith {

namespace {

// The width of a sunken 3-D edge: the inner edge the text margin counts from.
constexpr int kBorder = 2;
// Windows measures Arial at 12 pixels 15 high, FreeType 14; the height rule of
// character height plus 8 was made for the former, so 9 keeps the fields at
// their designed 23 pixels.
constexpr int kAutoSizeAllowance = 9;

QColor orPalette(const QColor& color, const QColor& fallback) {
    return color.isValid() ? color : fallback;
}

// The model's message in the user's language; a range message is put together
// from parts, and each is translated on its own.
QString fieldMessage(std::u16string_view message) {
    constexpr const char* kContext = "paysmith::TNumericField";
    const auto parts = rangeMessageParts(message);
    if (!parts)
        return translated(kContext, message);
    return translated(kContext, rangeMessagePattern())
        .arg(translated(kContext, parts->sentence), toQString(parts->from), toQString(parts->to));
}

} // namespace

TNumericField::TNumericField(const TIntlSupport& intl, QWidget* parent)
    : QWidget(parent), m_model(intl, *this) {
    installNumericFieldAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(130, autoSizeHeight());
    connectModelEvents();
    m_announcer.reset(*this);
}

TNumericField::~TNumericField() = default;

void TNumericField::connectModelEvents() {
    m_model.OnChange = [this] { emit OnChange(); };
    m_model.OnExit = [this] { emit OnExit(); };
    m_model.AfterEnter = [this] { emit AfterEnter(); };
    m_model.AfterExit = [this] { emit AfterExit(); };
}

void TNumericField::connectNotify(const QMetaMethod& signal) {
    if (signal != QMetaMethod::fromSignal(&TNumericField::OnError))
        return;
    m_model.OnError = [this](TNumericFieldModel&, int code, const std::u16string& message) {
        emit OnError(code, fieldMessage(message));
    };
}

void TNumericField::disconnectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&TNumericField::OnError) && !isSignalConnected(signal))
        m_model.OnError = nullptr;
}

// ---- properties ----

void TNumericField::setDataType(TNumericDataType type) {
    m_model.setDataType(type);
    refresh();
}

QString TNumericField::PictureMask() const {
    return toQString(m_model.maskText());
}

void TNumericField::setPictureMask(const QString& mask) {
    m_model.setPictureMask(toU16String(mask));
    refresh();
}

void TNumericField::setOptions(TEntryFieldOptions options) {
    m_model.setOptions(options);
    refresh();
}

void TNumericField::setFloatValue(double value) {
    m_model.setFloatValue(value);
    refresh();
}

void TNumericField::setIntegerValue(std::int32_t value) {
    m_model.setIntegerValue(value);
    refresh();
}

QString TNumericField::text() const {
    return toQString(m_model.displayString());
}

void TNumericField::setColor(const QColor& color) {
    m_color = color;
    update();
}

void TNumericField::setEFColors(const TEFColors& colors) {
    m_efColors = colors;
    update();
}

void TNumericField::setCaretIns(const TCaret& caret) {
    m_caretIns = caret;
    update();
}

void TNumericField::setCaretOvr(const TCaret& caret) {
    m_caretOvr = caret;
    update();
}

void TNumericField::setTextMargin(int margin) {
    if (margin < 2)
        return;
    m_textMargin = margin;
    update();
}

// ---- size ----

int TNumericField::autoSizeHeight() const {
    return fontMetrics().height() + kAutoSizeAllowance;
}

QSize TNumericField::sizeHint() const {
    return {130, autoSizeHeight()};
}

QSize TNumericField::minimumSizeHint() const {
    return {2 * (kBorder + m_textMargin + 1) + fontMetrics().horizontalAdvance(u'0'),
            autoSizeHeight()};
}

void TNumericField::applyAutoSize() {
    resize(width(), autoSizeHeight());
    updateGeometry();
}

// ---- painting ----

QRect TNumericField::innerRect() const {
    return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

QRect TNumericField::textRect() const {
    const QRect inner = innerRect();
    const int textRight = inner.x() + inner.width() - (m_textMargin + 1);
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {textRight - textWidth, inner.y(), textWidth, inner.height()};
}

QRect TNumericField::caretRect(int textRight) const {
    const TCaret& caret = m_model.insertMode() == InsertMode::Insert ? m_caretIns : m_caretOvr;
    const int width = caret.Width > 0 ? caret.Width : fontMetrics().horizontalAdvance(u'0');
    const int height = caret.Height > 0 ? caret.Height : fontMetrics().height();
    const int top = innerRect().center().y() - height / 2 + (height % 2 == 0 ? 1 : 0);
    switch (caret.Shape) {
    case TCaretShape::csVertLine:
        return {textRight, top, width, height};
    case TCaretShape::csBlock:
        return {textRight - width, top, width, height};
    case TCaretShape::csHalfBlock:
        return {textRight - width, top + height / 2, width, height - height / 2};
    case TCaretShape::csHorzLine:
        return {textRight - width, top + height - 2, width, 2};
    }
    return {};
}

TColorPair TNumericField::colorsOf(bool selected) const {
    TColorPair chosen{QColor(), m_color};
    TColorPair fallback{palette().color(QPalette::Text), palette().color(QPalette::Base)};
    switch (m_model.look()) {
    case FieldLook::Disabled:
        chosen = m_efColors.Disabled;
        fallback.TextColor = palette().color(QPalette::Disabled, QPalette::Text);
        break;
    case FieldLook::Error:
        chosen = {orPalette(m_efColors.Error.TextColor, Qt::black),
                  orPalette(m_efColors.Error.BackColor, Qt::red)};
        break;
    case FieldLook::Normal:
        break;
    }
    if (selected) {
        chosen = m_efColors.Highlight;
        fallback = {palette().color(QPalette::HighlightedText),
                    palette().color(QPalette::Highlight)};
    }
    const QColor background = orPalette(chosen.BackColor, fallback.BackColor);
    if (chosen.TextColor.isValid())
        return {chosen.TextColor, background};
    // A background of the program's own stays as it is in a dark desktop
    // palette, whose light text would vanish on it.
    return {chosen.BackColor.isValid() ? readableText(fallback.TextColor, background)
                                       : fallback.TextColor,
            background};
}

TColorPair TNumericField::shownColors() const {
    return colorsOf(m_model.showsSelection());
}

void TNumericField::paintEvent(QPaintEvent*) {
    syncAvailability();
    // Qt paints every widget into the window's back buffer and puts it on
    // the screen in one step, so the field is drawn off-screen as it is.
    QPainter painter(this);
    painter.drawPixmap(0, 0, framePixmap(colorsOf(false).BackColor));

    const QRect inner = innerRect();
    // While the note of a refused key is up, the field is ringed in the
    // colour of an invalid value: the refusal shows at the field itself, not
    // only in a note the eye may pass over.
    if (refusalShown()) {
        painter.setPen(QPen(orPalette(m_efColors.Error.BackColor, Qt::red), kBorder));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    const QString shown = text();
    const QRect textRect = this->textRect();
    const int textRight = textRect.right() + 1;
    painter.setClipRect(inner);
    const TColorPair colours = shownColors();
    if (m_model.showsSelection())
        painter.fillRect(textRect, colours.BackColor);
    painter.setPen(colours.TextColor);
    painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, shown);

    if (hasFocus() && m_caretVisible) {
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.fillRect(caretRect(textRight), Qt::white);
    }
}

QPixmap TNumericField::framePixmap(const QColor& background) const {
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    frame.palette.setColor(QPalette::Base, background);

    // The style's antialiased frame is the dearest part of a field's painting,
    // and a window's fields mostly share size, state and colour: draw each
    // combination once.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("paysmith-field-frame-%1x%2@%3-%4-%5-%6-%7")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(static_cast<uint>(frame.state))
                            .arg(background.rgba())
                            .arg(palette().cacheKey())
                            .arg(reinterpret_cast<quintptr>(style()));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void TNumericField::refresh() {
    m_announcer.announce(*this);
    if (hasFocus()) {
        m_caretVisible = true;
        const int flash = QGuiApplication::styleHints()->cursorFlashTime();
        if (flash > 0)
            m_caretBlink.start(flash / 2, this);
    }
    update();
}

void TNumericField::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_caretBlink.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_caretVisible = !m_caretVisible;
    update();
}

// ---- input ----

void TNumericField::keyPressEvent(QKeyEvent* event) {
    // Escape takes the note of a refusal back first, before a dialog the field
    // sits in would close on it.
    if (event->key() == Qt::Key_Escape && refusalShown()) {
        putAwayRefusal();
        return;
    }
    // People press Enter in a calculator: it works the entry out in place.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const QPointer<TNumericField> self(this);
        m_model.commitEntry();
        if (self) {
            putAwayRefusal();
            refresh();
        }
        return;
    }
    const std::u16string typed = typedTextOf(*event, m_model.intl().DecimalMark());
    if (m_model.keyPress(keyStrokeOf(*event), typed) == KeyUse::NotUsed) {
        // Passed on, Ctrl+Shift+Tab would turn a notebook's page and hide the
        // field without leaving it, so its entry would never be validated.
        const bool pageKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (pageKey && (event->modifiers() & Qt::ControlModifier))
            return;

        QWidget::keyPressEvent(event);
        return;
    }
    refresh();
}

void TNumericField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_model.click();
        refresh();
    }
}

void TNumericField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_model.doubleClick();
        refresh();
    }
}

void TNumericField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        return;
    if (!hasFocus() && (focusPolicy() & Qt::ClickFocus))
        setFocus(Qt::MouseFocusReason);
    showContextMenu(event->globalPosition().toPoint());
}

// The menu opens on the right button's release (mouseReleaseEvent); the event
// some systems send on the press is taken so the window's own menu stays shut.
void TNumericField::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse)
        showContextMenu(mapToGlobal(innerRect().bottomRight()));
    event->accept();
}

void TNumericField::showContextMenu(const QPoint& globalPosition) {
    // Without a parent: should the field go while the menu is open, the menu
    // must not go with it from under exec().
    const auto menu = std::make_unique<QMenu>();
    for (const MenuEntry& entry : m_model.contextMenu()) {
        if (!entry.item) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(translated("paysmith::TNumericField", entry.text));
        action->setEnabled(entry.enabled);
        action->setData(static_cast<int>(*entry.item));
    }
    const QPointer<TNumericField> self(this);
    const QAction* chosen = menu->exec(globalPosition);
    if (!self || !chosen)
        return;
    m_model.chooseMenuItem(static_cast<MenuItem>(chosen->data().toInt()));
    refresh();
}

void TNumericField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    QWidget::changeEvent(event);
}

// ---- focus ----

void TNumericField::syncAvailability() {
    m_model.setEnablement(isEnabled() ? Enablement::Enabled : Enablement::Disabled);
    m_model.setVisibility(isVisible() ? Visibility::Shown : Visibility::Hidden);
}

void TNumericField::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    const bool fromOutside =
        reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    // Only a left click places the digits after the value; the focus a right
    // click gives selects the whole text, ready for the menu's Copy.
    const bool leftClick =
        reason == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton);
    m_model.focusIn(fromOutside ? FocusSource::OtherWindow : FocusSource::SameWindow,
                    leftClick ? FocusCause::Mouse : FocusCause::Keyboard);
    refresh();
}

FocusTarget TNumericField::focusTarget() const {
    const QWidget* receiver = QApplication::focusWidget();
    if (receiver == this)
        return FocusTarget::Self;
    // No receiver: the window has lost the activation. That is also how a
    // window being closed or destroyed takes the focus from its field, after
    // its own destructor has run, so no exit handling may run then.
    if (!receiver || receiver->window() != window())
        return FocusTarget::OtherWindow;
    return FocusTarget::OtherControl;
}

void TNumericField::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    putAwayRefusal();
    m_caretBlink.stop();
    syncAvailability();
    const QPointer<TNumericField> self(this);
    m_model.focusOut(focusTarget());
    if (self)
        refresh();
}

// ---- requests of the model ----

void TNumericField::beep() {
    fieldAlerts().beep();
}

QString TNumericField::refusalText(Refusal reason) const {
    switch (reason) {
    case Refusal::WholeNumbersOnly:
        return tr("Whole numbers only");
    case Refusal::UseDecimalMark:
        return tr("Use \"%1\" for the decimal point").arg(QChar(m_model.intl().DecimalMark()));
    case Refusal::PointAlreadyTyped:
        return tr("The number has its decimal point already");
    case Refusal::NoMoreDigits:
        return tr("No more digits fit here");
    case Refusal::NoRoomForSign:
        return tr("No room for a minus sign here");
    case Refusal::DigitsOnly:
        return tr("Only digits can be typed here");
    case Refusal::DigitsAndMinusOnly:
        return tr("Only digits and a minus sign can be typed here");
    case Refusal::DigitsMinusAndPointOnly:
        return tr("Only digits, a minus sign and \"%1\" can be typed here")
            .arg(QChar(m_model.intl().DecimalMark()));
    case Refusal::ReadOnly:
        return tr("This field cannot be changed");
    case Refusal::PasteNotTaken:
        return tr("This field cannot take the pasted number");
    }
    return {};
}

void TNumericField::explainRefusal(Refusal reason) {
    if (!m_balloon)
        m_balloon = new RefusalBalloon(this);
    m_balloon->showBelowField(refusalText(reason));
    update();
}

bool TNumericField::refusalShown() const {
    return m_balloon && m_balloon->isVisible();
}

void TNumericField::putAwayRefusal() {
    if (m_balloon)
        m_balloon->putAway();
    update();
}

void TNumericField::post(PostedRequest request) {
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            const QPointer<TNumericField> self(this);
            m_model.deliver(request);
            if (self)
                refresh();
        },
        Qt::QueuedConnection);
}

bool TNumericField::clipboardHasText() {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

std::u16string TNumericField::clipboardText() {
    return toU16String(QGuiApplication::clipboard()->text());
}

void TNumericField::setClipboardText(std::u16string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void TNumericField::showErrorMessage(std::u16string_view message) {
    fieldAlerts().showError(this, fieldMessage(message));
}

void TNumericField::focusField() {
    // A control still holding the mouse would keep acting on the press that
    // took the focus away.
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber && grabber != this)
        grabber->releaseMouse();
    revealInPages();
    setFocus(Qt::OtherFocusReason);
}

void TNumericField::revealInPages() {
    // A hidden widget cannot take the focus: bring every notebook page or
    // stacked page that holds the field to the front first.
    for (QWidget* page = this; page->parentWidget(); page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (!stack)
            continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setCurrentWidget(page);
        else
            stack->setCurrentWidget(page);
    }
}

} // namespace paysmith
