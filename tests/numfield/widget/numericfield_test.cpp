#include "numfield/widget/numericfield.h"

#include "numfield/widget/accessibleeventlog.h"
#include "numfield/widget/fieldalerts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace paysmith {
namespace {

class RecordingAlerts : public FieldAlerts {
  public:
    int beeps = 0;
    QStringList log;

    void beep() override { ++beeps; }
    void showError(QWidget*, const QString& message) override {
        const QWidget* focus = QApplication::focusWidget();
        log << QStringLiteral("message %1 with focus in %2")
                   .arg(message, focus ? focus->objectName() : QStringLiteral("nothing"));
    }
};

// Amount, count, a yellow read-out that Tab skips, and a second amount.
class Window : public QWidget {
  public:
    explicit Window(const TIntlSupport& intl) {
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(12);
        setFont(arial);
        amount = add(intl, "amount", TNumericDataType::nftDouble, "###,###,###.##");
        count = add(intl, "count", TNumericDataType::nftInteger, "iiiiii");
        readOut = add(intl, "readOut", TNumericDataType::nftDouble, "###,###,###.##");
        readOut->setFocusPolicy(Qt::ClickFocus);
        readOut->setColor(Qt::yellow);
        second = add(intl, "second", TNumericDataType::nftDouble, "###,###,###.##");
        resize(200, 140);
    }

    TNumericField* add(const TIntlSupport& intl, const char* name, TNumericDataType type,
                       const char* mask) {
        auto* field = new TNumericField(intl, this);
        field->setObjectName(QLatin1String(name));
        field->setDataType(type);
        field->setPictureMask(QLatin1String(mask));
        field->setGeometry(10, 10 + 30 * static_cast<int>(children().size() - 1), 110,
                           field->height());
        return field;
    }

    TNumericField* amount;
    TNumericField* count;
    TNumericField* readOut;
    TNumericField* second;
};

} // namespace

class NumericFieldTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void tabOrderSkipsReadOuts_data();
    void tabOrderSkipsReadOuts();
    void rejectedValueComesBackBeforeItsMessage();
    void connectedOnErrorTakesThePlaceOfTheBox();
    void contextMenuEnabling_data();
    void contextMenuEnabling();
    void contextMenuItemsAct_data();
    void contextMenuItemsAct();
    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void keypadDecimalKeyTypesTheFieldsMark_data();
    void keypadDecimalKeyTypesTheFieldsMark();
    void copyLeavesOutTheLeadingBlanks();
    void mouseEntryAppendsAndDoubleClickSelects();
    void refusedKeysBeep();
    void refusalIsShownUntilWorkedOutOrEscape_data();
    void refusalIsShownUntilWorkedOutOrEscape();
    void focusWithoutALeftClickSelectsTheWholeText();
    void selectZeroOnClickLetsTheFirstDigitReplaceIt_data();
    void selectZeroOnClickLetsTheFirstDigitReplaceIt();
    void screenReadersGetNameAndValue();
    void screenReadersFollowTheText_data();
    void screenReadersFollowTheText();
    void backspaceTellsWhatItDeleted();
    void screenReadersReadByBoundary_data();
    void screenReadersReadByBoundary();
    void autoSizeGivesTheDesignedHeight();
    void textEndsTheMarginFromTheInnerEdge();
    void closingTheWindowMidEditRunsNoExitHandling();

  private:
    void activate();
    void focusOn(TNumericField* field, Qt::FocusReason reason = Qt::TabFocusReason);
    // Opens the field's context menu and presses `key` in it.
    void chooseFromMenu(TNumericField* field, Qt::Key key);

    TIntlSupport m_intl;
    RecordingAlerts m_alerts;
    std::optional<ScopedFieldAlerts> m_useAlerts;
    std::unique_ptr<Window> m_window;
};

void NumericFieldTest::init() {
    m_alerts.beeps = 0;
    m_alerts.log.clear();
    m_useAlerts.emplace(m_alerts);
    QGuiApplication::clipboard()->clear();
    m_window = std::make_unique<Window>(m_intl);
    activate();
}

void NumericFieldTest::cleanup() {
    m_window.reset();
    m_useAlerts.reset();
}

void NumericFieldTest::activate() {
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void NumericFieldTest::focusOn(TNumericField* field, Qt::FocusReason reason) {
    field->setFocus(reason);
    QTRY_COMPARE(QApplication::focusWidget(), field);
}

void NumericFieldTest::tabOrderSkipsReadOuts_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tab amount to count") << "amount" << Qt::KeyboardModifiers() << "count";
    QTest::newRow("tab count past the read-out") << "count" << Qt::KeyboardModifiers() << "second";
    QTest::newRow("shift-tab second past the read-out")
        << "second" << Qt::KeyboardModifiers(Qt::ShiftModifier) << "count";
    QTest::newRow("tab leaves a clicked read-out forward")
        << "readOut" << Qt::KeyboardModifiers() << "second";
}

void NumericFieldTest::tabOrderSkipsReadOuts() {
    QFETCH(QString, start);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);
    focusOn(m_window->findChild<TNumericField*>(start), Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), expected);
}

void NumericFieldTest::rejectedValueComesBackBeforeItsMessage() {
    QStringList onExit;
    connect(m_window->count, &TNumericField::OnExit, this, [&] {
        const QWidget* focus = QApplication::focusWidget();
        onExit << QStringLiteral("exit reads %1 code %2 focus in %3")
                      .arg(m_window->count->IntegerValue())
                      .arg(m_window->count->LastValidationCode())
                      .arg(focus->objectName());
    });
    focusOn(m_window->count);
    QTest::keyClicks(m_window->count, QStringLiteral("40000"));
    QTest::keyClick(m_window->count, Qt::Key_Tab);
    QCOMPARE(onExit, QStringList{QStringLiteral("exit reads 0 code 256 focus in second")});
    QVERIFY(m_alerts.log.isEmpty());
    QTRY_COMPARE(m_alerts.log, QStringList{QStringLiteral(
                                   "message Value is not within required range (from −32,768 to "
                                   "32,767) with focus in "
                                   "count")});
    QCOMPARE(QApplication::focusWidget(), m_window->count);
    QCOMPARE(m_window->count->text(), QStringLiteral("40000"));
}

void NumericFieldTest::connectedOnErrorTakesThePlaceOfTheBox() {
    QStringList reported;
    connect(m_window->count, &TNumericField::OnError, this,
            [&](int code, const QString& message) { reported << QString::number(code) + message; });
    focusOn(m_window->count);
    QTest::keyClicks(m_window->count, QStringLiteral("-40000"));
    QTest::keyClick(m_window->count, Qt::Key_Tab);
    QTRY_COMPARE(reported, QStringList{QStringLiteral(
                               "256Value is not within required range (from −32,768 to 32,767)")});
    QVERIFY(m_alerts.log.isEmpty());
}

void NumericFieldTest::contextMenuEnabling_data() {
    QTest::addColumn<bool>("typeFirst");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("entered by tab, all selected")
        << false << "12" << false << "&Restore:0 Cu&t:1 &Copy:1 &Paste:1 &Delete:1 Select &All:0";
    QTest::newRow("after typing, modified")
        << true << "12" << false << "&Restore:1 Cu&t:0 &Copy:0 &Paste:1 &Delete:0 Select &All:1";
    QTest::newRow("nothing to paste")
        << false << "" << false << "&Restore:0 Cu&t:1 &Copy:1 &Paste:0 &Delete:1 Select &All:0";
    QTest::newRow("read-only") << false << "12" << true
                               << "&Restore:0 Cu&t:0 &Copy:1 &Paste:0 &Delete:0 Select &All:0";
}

void NumericFieldTest::contextMenuEnabling() {
    QFETCH(bool, typeFirst);
    QFETCH(QString, clipboard);
    QFETCH(bool, readOnly);
    QFETCH(QString, enabled);
    TNumericField* field = m_window->amount;
    if (readOnly)
        field->setOptions({TEntryFieldOption::efoReadOnly});
    QGuiApplication::clipboard()->setText(clipboard);
    focusOn(field);
    if (typeFirst)
        QTest::keyClicks(field, QStringLiteral("7"));
    QStringList seen;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                seen << QStringLiteral("%1:%2").arg(action->text()).arg(action->isEnabled());
        menu->close();
    });
    QTest::mouseClick(field, Qt::RightButton);
    QCOMPARE(seen.join(QLatin1Char(' ')), enabled);
}

void NumericFieldTest::chooseFromMenu(TNumericField* field, Qt::Key key) {
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        opened = menu != nullptr;
        if (menu)
            QTest::keyClick(menu, key);
    });
    QTest::mouseClick(field, Qt::RightButton);
    QVERIFY(opened);
}

// Each starts in a field showing 1,234.56 entered by Tab, with "9" on the
// clipboard.
void NumericFieldTest::contextMenuItemsAct_data() {
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<Qt::Key>("mnemonic");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("restore") << "7" << Qt::Key_R << ""
                             << "1,234.56"
                             << "9";
    QTest::newRow("cut") << "" << Qt::Key_T << ""
                         << "0"
                         << "1,234.56";
    QTest::newRow("copy") << "" << Qt::Key_C << ""
                          << "1,234.56"
                          << "1,234.56";
    QTest::newRow("paste") << "" << Qt::Key_P << ""
                           << "9"
                           << "9";
    QTest::newRow("delete") << "" << Qt::Key_D << ""
                            << "0"
                            << "9";
    QTest::newRow("select all") << "7" << Qt::Key_A << "5"
                                << "5"
                                << "9";
}

void NumericFieldTest::contextMenuItemsAct() {
    QFETCH(QString, typedFirst);
    QFETCH(Qt::Key, mnemonic);
    QFETCH(QString, typedAfter);
    QFETCH(QString, shown);
    QFETCH(QString, clipboard);
    // Not the field the window's activation focused: its text is saved for
    // Restore when the focus comes to it here.
    TNumericField* field = m_window->second;
    field->setFloatValue(1234.56);
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    focusOn(field);
    QTest::keyClicks(field, typedFirst);
    chooseFromMenu(field, mnemonic);
    QTest::keyClicks(field, typedAfter);
    QCOMPARE(field->text(), shown);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

// Each starts in a field showing 1,234.56 entered by mouse, with "7" typed
// after it and "9" on the clipboard.
void NumericFieldTest::keysReachTheirCommands_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers() << "1,234.";
    QTest::newRow("delete") << Qt::Key_Delete << Qt::KeyboardModifiers() << "1,234.";
    QTest::newRow("shift insert pastes")
        << Qt::Key_Insert << Qt::KeyboardModifiers(Qt::ShiftModifier) << "1,234.59";
    QTest::newRow("ctrl z restores")
        << Qt::Key_Z << Qt::KeyboardModifiers(Qt::ControlModifier) << "1,234.56";
    QTest::newRow("alt backspace restores")
        << Qt::Key_Backspace << Qt::KeyboardModifiers(Qt::AltModifier) << "1,234.56";
    QTest::newRow("home moves nothing") << Qt::Key_Home << Qt::KeyboardModifiers() << "1,234.5";
    QTest::newRow("keypad digit types")
        << Qt::Key_5 << Qt::KeyboardModifiers(Qt::KeypadModifier) << "1,234.55";
    QTest::newRow("keypad enter works the entry out")
        << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "1,234.50";
    QTest::newRow("ctrl enter leaves the entry as it is")
        << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << "1,234.5";
}

void NumericFieldTest::keysReachTheirCommands() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, shown);
    // Not the field the window's activation focused: its text is saved for
    // Restore when the focus comes to it here.
    TNumericField* field = m_window->second;
    field->setFloatValue(1234.56);
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, key, modifiers);
    QCOMPARE(field->text(), shown);
}

// Regression: 1 2 [keypad decimal] 5 under fr_FR gave 125,00, the AZERTY
// keypad's "." being refused by a field whose mark is ",".
void NumericFieldTest::keypadDecimalKeyTypesTheFieldsMark_data() {
    QTest::addColumn<QString>("mark");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("shown");
    const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
    const Qt::KeyboardModifiers mainBlock;
    QTest::newRow("fr_FR with the AZERTY keypad") << "," << Qt::Key_Period << keypad << "12,5";
    QTest::newRow("de_DE with the QWERTZ keypad") << "," << Qt::Key_Comma << keypad << "12,5";
    QTest::newRow("en_US with the QWERTZ keypad") << "." << Qt::Key_Comma << keypad << "12.5";
    QTest::newRow("en_US with the US keypad") << "." << Qt::Key_Period << keypad << "12.5";
    QTest::newRow("de_DE main block point") << "," << Qt::Key_Period << mainBlock << "125";
    QTest::newRow("en_US main block comma") << "." << Qt::Key_Comma << mainBlock << "125";
}

void NumericFieldTest::keypadDecimalKeyTypesTheFieldsMark() {
    QFETCH(QString, mark);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, shown);
    const bool comma = mark == u',';
    const TIntlSupport intl(
        IntlSettings{.decimalMark = mark.toStdU16String(), .groupMark = comma ? u"." : u","});
    // Goes before `intl`, which it reads until its end.
    const std::unique_ptr<TNumericField> field(
        m_window->add(intl, "marked", TNumericDataType::nftDouble, "###,###,###.##"));
    field->show();
    focusOn(field.get());
    QTest::keyClicks(field.get(), QStringLiteral("12"));
    QTest::keyClick(field.get(), key, modifiers);
    QTest::keyClicks(field.get(), QStringLiteral("5"));
    QCOMPARE(field->text().trimmed(), shown);
}

// The beep goes unheard on most desktops: a balloon at the field says why,
// and the field is ringed in red, through the keys typed after it until
// Escape or Enter.
void NumericFieldTest::refusalIsShownUntilWorkedOutOrEscape_data() {
    QTest::addColumn<QString>("decimalMark");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("balloon");
    QTest::newRow("point in a count") << "."
                                      << "iiiiii"
                                      << "."
                                      << "Whole numbers only";
    QTest::newRow("comma in an amount under point marks") << "."
                                                          << "###,###.##"
                                                          << ","
                                                          << "Use \".\" for the decimal point";
    QTest::newRow("point in an amount under comma marks") << ","
                                                          << "###,###.##"
                                                          << "."
                                                          << "Use \",\" for the decimal point";
}

void NumericFieldTest::refusalIsShownUntilWorkedOutOrEscape() {
    QFETCH(QString, decimalMark);
    QFETCH(QString, mask);
    QFETCH(QString, refused);
    const QString group = decimalMark == "." ? "," : ".";
    const TIntlSupport intl{
        IntlSettings{decimalMark.toStdU16String(), group.toStdU16String(), u"$", 2, 0}};
    TNumericField field(intl, m_window.get());
    field.setPictureMask(mask);
    field.setGeometry(10, 200, 110, 23);
    field.show();
    focusOn(&field);
    QTest::keyClicks(&field, "12");
    QTest::keyClicks(&field, refused);
    QCOMPARE(m_alerts.beeps, 1);
    auto* balloon = field.findChild<QLabel*>("refusalBalloon");
    QVERIFY(balloon && balloon->isVisible());
    QTEST(balloon->text(), "balloon");
    QCOMPARE(balloon->font(), field.font());
    const auto ringed = [&field] {
        return field.grab().toImage().pixelColor(0, field.height() / 2) == QColor(Qt::red);
    };
    QTest::keyClicks(&field, "5");
    QVERIFY(balloon->isVisible() && ringed());
    QTest::keyClick(&field, Qt::Key_Escape);
    QVERIFY(!balloon->isVisible() && !ringed());
    QCOMPARE(field.text().remove(QRegularExpression("[^0-9]")).left(3), QString("125"));
    QTest::keyClicks(&field, refused);
    QTest::keyClick(&field, Qt::Key_Return);
    QVERIFY(!balloon->isVisible());
}

void NumericFieldTest::copyLeavesOutTheLeadingBlanks() {
    m_window->amount->setFloatValue(1234.5);
    focusOn(m_window->amount);
    QTest::keyClick(m_window->amount, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,234.50"));
}

void NumericFieldTest::mouseEntryAppendsAndDoubleClickSelects() {
    TNumericField* field = m_window->amount;
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("0.05"));
    QTest::mouseDClick(field, Qt::LeftButton);
    // QTest's double click ends with the button still down as far as the
    // application knows; let it go so later focus changes are not clicks.
    QTest::mouseRelease(field, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("8"));
    QCOMPARE(field->text(), QStringLiteral("8"));
}

void NumericFieldTest::focusWithoutALeftClickSelectsTheWholeText() {
    m_window->readOut->setFloatValue(972.9);
    // What a right click gives: the mouse's focus reason without the left
    // button, so the menu's Copy has the whole value to copy.
    focusOn(m_window->readOut, Qt::MouseFocusReason);
    QVERIFY(m_window->readOut->model().allSelected());
    QTest::mouseClick(m_window->amount, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), m_window->amount);
    QVERIFY(!m_window->amount->model().allSelected());
}

void NumericFieldTest::selectZeroOnClickLetsTheFirstDigitReplaceIt_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << 0.0 << true << "1,800";
    QTest::newRow("a value stays") << 12.5 << true << "12.50";
    QTest::newRow("zero without the option") << 0.0 << false << "0.00";
}

void NumericFieldTest::selectZeroOnClickLetsTheFirstDigitReplaceIt() {
    QFETCH(double, value);
    QFETCH(bool, option);
    TNumericField* field = m_window->second;
    field->setFloatValue(value);
    if (option)
        field->setOptions({TEntryFieldOption::efoSelectZeroOnClick});
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("1800"));
    QTEST(field->text(), "shown");
}

void NumericFieldTest::refusedKeysBeep() {
    focusOn(m_window->count);
    QTest::keyClicks(m_window->count, QStringLiteral("1.x2"));
    QCOMPARE(m_window->count->text(), QStringLiteral("12"));
    QCOMPARE(m_alerts.beeps, 2);
}

void NumericFieldTest::screenReadersGetNameAndValue() {
    m_window->amount->setAccessibleName(QStringLiteral("Amount Borrowed"));
    m_window->amount->setFloatValue(150000);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_window->amount);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Amount Borrowed"));
    QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("150,000.00"));
    QVERIFY(accessible->valueInterface());
    QCOMPARE(accessible->valueInterface()->currentValue().toDouble(), 150000.0);
}

// A reader keeps its own copy of the text from the events it is sent; after
// every step that copy and the caret must match what the field draws.
void NumericFieldTest::screenReadersFollowTheText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("restore");
    QTest::newRow("digits over the selected amount") << "250000" << false;
    QTest::newRow("a decimal point and backspace") << "1234.5\b6" << false;
    QTest::newRow("restored after typing") << "98" << true;
}

void NumericFieldTest::screenReadersFollowTheText() {
    QFETCH(QString, typed);
    QFETCH(bool, restore);
    TNumericField* field = m_window->amount;
    field->setFloatValue(150000);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text);
    QVERIFY(accessible->valueInterface());
    const QString initial = QStringLiteral("150,000.00");
    QCOMPARE(text->text(0, text->characterCount()), initial);

    AccessibleEventLog log;
    focusOn(m_window->count);
    QTest::keyClick(m_window->count, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, 10));
    QCOMPARE(text->cursorPosition(), 10);

    const auto check = [&](const QString& step) {
        const QString shown = field->text();
        QVERIFY2(text->text(0, text->characterCount()) == shown, qPrintable(step));
        QVERIFY2(log.followedText(field, initial) == shown,
                 qPrintable(QStringLiteral("%1: the reader has '%2', the field shows '%3'")
                                .arg(step, log.followedText(field, initial), shown)));
        QVERIFY2(text->cursorPosition() == shown.size(), qPrintable(step));
        QVERIFY2(log.lastCaret(field) == shown.size(), qPrintable(step));
    };
    for (const QChar c : typed) {
        if (c == u'\b')
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClick(field, c.toLatin1());
        check(QStringLiteral("after '%1'").arg(c));
    }
    QCOMPARE(text->selectionCount(), 0);
    if (restore) {
        QTest::keyClick(field, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(field->text(), initial);
        check(QStringLiteral("after Restore"));
    }
    field->setFloatValue(42);
    check(QStringLiteral("after a value from code"));
}

// A reader says the text an event removes: after Backspace that is the digit
// deleted, not the number regrouped around it.
void NumericFieldTest::backspaceTellsWhatItDeleted() {
    TNumericField* field = m_window->amount;
    focusOn(field);
    QTest::keyClicks(field, QStringLiteral("3456789"));
    QCOMPARE(field->text(), QStringLiteral("3,456,789"));

    AccessibleEventLog log;
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("345,678"));
    // One event, which removes the 9 alone; the reader's copy keeps the
    // marks that moved.
    QCOMPARE(log.textChanges(field), 1);
    QCOMPARE(log.followedText(field, QStringLiteral("3,456,789")), QStringLiteral("3,456,78"));
}

void NumericFieldTest::screenReadersReadByBoundary_data() {
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("character") << int(QAccessible::CharBoundary) << 1 << ","
                               << "1"
                               << "2";
    QTest::newRow("word") << int(QAccessible::WordBoundary) << 8 << "1,234,567.89"
                          << ""
                          << "";
    QTest::newRow("character at the end") << int(QAccessible::CharBoundary) << 12 << ""
                                          << "9"
                                          << "";
    QTest::newRow("word at the end") << int(QAccessible::WordBoundary) << 12 << "1,234,567.89"
                                     << ""
                                     << "";
    QTest::newRow("line") << int(QAccessible::LineBoundary) << 0 << "1,234,567.89"
                          << ""
                          << "";
}

void NumericFieldTest::screenReadersReadByBoundary() {
    QFETCH(int, boundary);
    QFETCH(int, offset);
    m_window->amount->setFloatValue(1234567.89);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(m_window->amount)->textInterface();
    const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
    int start = -1;
    int end = -1;
    QTEST(text->textAtOffset(offset, type, &start, &end), "at");
    QTEST(text->textBeforeOffset(offset, type, &start, &end), "before");
    QTEST(text->textAfterOffset(offset, type, &start, &end), "after");
    QCOMPARE(text->attributes(offset, &start, &end), QString());
    QCOMPARE(QPair(start, end), QPair(0, text->characterCount()));
    const QRect first = text->characterRect(0);
    QVERIFY(first.isValid());
    QCOMPARE(text->offsetAtPoint(first.center()), 0);
}

void NumericFieldTest::autoSizeGivesTheDesignedHeight() {
    QCOMPARE(m_window->amount->height(), 23);
    QFont larger = m_window->font();
    larger.setPixelSize(24);
    m_window->amount->setFont(larger);
    QCOMPARE(m_window->amount->height(), QFontMetrics(larger).height() + 9);
}

// The text is drawn right-aligned against the margin: widening the margin by
// four pixels moves its rightmost ink exactly four pixels left.
void NumericFieldTest::textEndsTheMarginFromTheInnerEdge() {
    TNumericField* field = m_window->readOut;
    field->setFloatValue(10);
    const auto rightmostInk = [field] {
        const QImage image = field->grab().toImage();
        for (int x = image.width() - 4; x >= 0; --x)
            for (int y = 4; y < image.height() - 4; ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    const int atTwo = rightmostInk();
    field->setTextMargin(6);
    QCOMPARE(rightmostInk(), atTwo - 4);
    QVERIFY(atTwo >= field->width() - 2 - 3 - 2);
    field->setTextMargin(1);
    QCOMPARE(field->TextMargin(), 6);
}

void NumericFieldTest::closingTheWindowMidEditRunsNoExitHandling() {
    int exits = 0;
    connect(m_window->count, &TNumericField::OnExit, this, [&] { ++exits; });
    focusOn(m_window->count);
    QTest::keyClicks(m_window->count, QStringLiteral("40000"));
    m_window.reset();
    QCoreApplication::processEvents();
    QCOMPARE(exits, 0);
    QVERIFY(m_alerts.log.isEmpty());
}

} // namespace paysmith

QTEST_MAIN(paysmith::NumericFieldTest)
#include "numericfield_test.moc"
