#include <QClipboard>
#include <QMimeData>

#include "numeric_edit.h"
#include "panel_test_support.h"

// The digit-only angle field: what typing, editing keys, shortcuts, paste and drop can and
// cannot put into it.
class NumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedCharacters_data();
    void typedCharacters();
    void editingKeysWork();
    void controlCharactersAreDropped_data();
    void controlCharactersAreDropped();
    void selectAllShortcutIsDropped();
    void pasteAndDropAdmitOnlyDigitsAndSpaces_data();
    void pasteAndDropAdmitOnlyDigitsAndSpaces();

private:
    std::unique_ptr<CNumericEdit> edit;
};

void NumericEditTest::init() {
    edit = std::make_unique<CNumericEdit>();
    edit->setMaxLength(3);  // as the panels set it
    edit->show();
    QVERIFY(QTest::qWaitForWindowExposed(edit.get()));
    QApplication::clipboard()->setText(QStringLiteral("45"));
}

void NumericEditTest::cleanup() {
    edit.reset();
}

void NumericEditTest::typedCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "120"
                            << "120";
    QTest::newRow("letter") << "a"
                            << "";
    QTest::newRow("minus sign") << "-"
                                << "";
    QTest::newRow("point") << "."
                           << "";
    QTest::newRow("plus sign") << "+"
                               << "";
    QTest::newRow("space") << " "
                           << " ";
    QTest::newRow("digits among others") << "4a-5"
                                         << "45";
    QTest::newRow("three characters at most") << "1234"
                                              << "123";
    QTest::newRow("backspace deletes") << "12\b"
                                       << "1";
}

void NumericEditTest::typedCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QTest::keyClicks(edit.get(), typed);
    QCOMPARE(edit->text(), text);
}

void NumericEditTest::editingKeysWork() {
    QTest::keyClicks(edit.get(), "123");
    QTest::keyClick(edit.get(), Qt::Key_Left);
    QTest::keyClick(edit.get(), Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), 1);
    QTest::keyClick(edit.get(), Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("13"));
    QTest::keyClick(edit.get(), Qt::Key_End);
    QTest::keyClick(edit.get(), Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QTest::keyClick(edit.get(), Qt::Key_Home);
    QTest::keyClick(edit.get(), Qt::Key_Delete);
    QCOMPARE(edit->text(), QString());
}

void NumericEditTest::controlCharactersAreDropped_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("character");
    QTest::newRow("paste shortcut")
        << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "v";
    QTest::newRow("copy shortcut")
        << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << "c";
    QTest::newRow("cut shortcut") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                  << "x";
    QTest::newRow("undo shortcut")
        << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier) << "z";
    QTest::newRow("Ctrl with a digit")
        << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::ControlModifier) << "1";
    QTest::newRow("Ctrl with backspace")
        << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\b";
    QTest::newRow("code 1") << int(Qt::Key_A) << Qt::KeyboardModifiers() << QString(QChar(1));
    QTest::newRow("code 22") << int(Qt::Key_V) << Qt::KeyboardModifiers() << QString(QChar(22));
    QTest::newRow("code 127") << int(Qt::Key_unknown) << Qt::KeyboardModifiers()
                              << QString(QChar(127));
}

void NumericEditTest::controlCharactersAreDropped() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, character);
    QTest::keyClicks(edit.get(), "12");
    edit->selectAll();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, character);
    QApplication::sendEvent(edit.get(), &press);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("45"));
}

void NumericEditTest::selectAllShortcutIsDropped() {
    QTest::keyClicks(edit.get(), "12");
    QTest::keyClick(edit.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit.get(), "9");
    QCOMPARE(edit->text(), QStringLiteral("129"));
}

void NumericEditTest::pasteAndDropAdmitOnlyDigitsAndSpaces_data() {
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "42"
                            << "42";
    QTest::newRow("leading space") << " 7"
                                   << " 7";
    QTest::newRow("a letter refuses all") << "4a"
                                          << "";
    QTest::newRow("a sign refuses all") << "-5"
                                        << "";
    QTest::newRow("cut to three characters") << "1234"
                                             << "123";
}

void NumericEditTest::pasteAndDropAdmitOnlyDigitsAndSpaces() {
    QFETCH(QString, offered);
    QFETCH(QString, text);

    QApplication::clipboard()->setText(offered);
    edit->paste();  // the context menu's route
    QCOMPARE(edit->text(), text);

    edit->clear();
    QMimeData mime;
    mime.setText(offered);
    const QPoint at(2, edit->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit.get(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit.get(), &drop);
    QCOMPARE(edit->text(), text);
}

VIREFLU_PANEL_TEST_MAIN(NumericEditTest)
#include "numeric_edit_test.moc"
