#pragma once

#include "numfield/model/fieldrequests.h"
#include "numfield/model/numericfieldmodel.h"
#include "numfield/widget/fieldappearance.h"
#include "numfield/widget/numericfieldaccessible.h"

#include <QBasicTimer>
#include <QWidget>

#include <memory>

namespace paysmith {

class RefusalBalloon;

// The numeric entry field: a calculator-style editor for one amount, rate or
// count, laid out through a picture mask and validated when the focus leaves
// it. Everything but the window-system side lives in TNumericFieldModel.
class TNumericField : public QWidget, private FieldRequests {
    Q_OBJECT

  public:
    // `intl`, the number format, must outlive the field.
    TNumericField(const TIntlSupport& intl, QWidget* parent);
    ~TNumericField() override;

    TNumericDataType DataType() const { return m_model.DataType(); }
    void setDataType(TNumericDataType type);
    QString PictureMask() const;
    void setPictureMask(const QString& mask);
    TEntryFieldOptions Options() const { return m_model.Options(); }
    void setOptions(TEntryFieldOptions options);

    double FloatValue() { return m_model.FloatValue(); }
    void setFloatValue(double value);
    std::int32_t IntegerValue() { return m_model.IntegerValue(); }
    void setIntegerValue(std::int32_t value);
    int LastValidationCode() const { return m_model.LastValidationCode(); }
    // The text as drawn.
    QString text() const;
    // Where that text is drawn, in the field's coordinates.
    QRect textRect() const;

    // The background; invalid means the palette's base colour.
    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    const TEFColors& EFColors() const { return m_efColors; }
    void setEFColors(const TEFColors& colors);
    // The colours the text is drawn in and on, as things stand: the
    // selection's while it shows.
    TColorPair shownColors() const;
    const TCaret& CaretIns() const { return m_caretIns; }
    void setCaretIns(const TCaret& caret);
    const TCaret& CaretOvr() const { return m_caretOvr; }
    void setCaretOvr(const TCaret& caret);
    int TextMargin() const { return m_textMargin; }
    // Values below 2 are refused.
    void setTextMargin(int margin);

    // For what the properties above do not reach: range, controller, hooks.
    TNumericFieldModel& model() { return m_model; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // After each edit of the user's that changed the text, and after Restore.
    void OnChange();
    // When the focus has moved to another control of the window, after the
    // field's own leave handling: a rejected value reads as 0 here.
    void OnExit();
    // In place of the message box, when connected.
    void OnError(int errorCode, const QString& errorMsg);
    void AfterEnter();
    void AfterExit();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // A connected OnError takes the place of the message box.
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

  private:
    // FieldRequests
    void beep() override;
    void explainRefusal(Refusal reason) override;
    void post(PostedRequest request) override;
    bool clipboardHasText() override;
    std::u16string clipboardText() override;
    void setClipboardText(std::u16string_view text) override;
    void showErrorMessage(std::u16string_view message) override;
    void focusField() override;

    void connectModelEvents();
    QString refusalText(Refusal reason) const;
    bool refusalShown() const;
    void putAwayRefusal();
    void revealInPages();
    QPixmap framePixmap(const QColor& background) const;
    TColorPair colorsOf(bool selected) const;
    FocusTarget focusTarget() const;
    void syncAvailability();
    void showContextMenu(const QPoint& globalPosition);
    // Repaints, restarts the caret's blink and tells screen readers when the
    // text has changed.
    void refresh();
    void applyAutoSize();
    int autoSizeHeight() const;
    QRect innerRect() const;
    QRect caretRect(int textRight) const;

    TNumericFieldModel m_model;
    FieldTextAnnouncer m_announcer;
    QColor m_color;
    TEFColors m_efColors;
    TCaret m_caretIns{TCaretShape::csVertLine, 2, 10};
    TCaret m_caretOvr{TCaretShape::csBlock, 0, 0};
    int m_textMargin = 2;
    bool m_caretVisible = false;
    // Made at the first refusal; up until the entry is worked out, the focus
    // leaves or Escape is pressed.
    RefusalBalloon* m_balloon = nullptr;
    QBasicTimer m_caretBlink;
};

} // namespace paysmith
