// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs `answer` on the modal dialog once it is open.
template <typename Dialog> void whenOpen(std::function<void(Dialog*)> answer) {
    QTimer::singleShot(0, qApp, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_convertsTheClassicForm_data();
    void nameFilters_convertsTheClassicForm();
    void elided_keepsTheEndsOfALongPath();
    void message_showsTextTitleIconAndGivesTheAnswer_data();
    void message_showsTextTitleIconAndGivesTheAnswer();
    void chooseFile_setsUpTheDialogFromTheRequest();
    void chooseFile_saveAddsTheDefaultExtension();
    void chooseFile_cancelGivesNothing();
    void chooseFiles_typedNamesOfAnyKindComeBackEveryOne();
    void inputText_givesTheTypedTextOrNothing();
};

void TestQtDialogs::nameFilters_convertsTheClassicForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one") << "Wav File|*.wav" << QStringList{"Wav File (*.wav)"};
    QTest::newRow("several patterns and all files")
        << "Audio|*.mp3;*.wav|All Files|*.*" << QStringList{"Audio (*.mp3 *.wav)", "All Files (*)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestQtDialogs::nameFilters_convertsTheClassicForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtDialogs::nameFilters(filter), expected);
}

void TestQtDialogs::message_showsTextTitleIconAndGivesTheAnswer_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("ok") << int(Dialogs::Buttons::Ok) << int(QMessageBox::Ok)
                        << int(Dialogs::Answer::Ok);
    QTest::newRow("yes") << int(Dialogs::Buttons::YesNo) << int(QMessageBox::Yes)
                         << int(Dialogs::Answer::Yes);
    QTest::newRow("no") << int(Dialogs::Buttons::YesNo) << int(QMessageBox::No)
                        << int(Dialogs::Answer::No);
}

void TestQtDialogs::message_showsTextTitleIconAndGivesTheAnswer() {
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);
    QtDialogs dialogs;
    whenOpen<QMessageBox>([press](QMessageBox* box) {
        QCOMPARE(box->text(), QStringLiteral("Finish Save"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::StandardButton(press))->click();
    });
    const Dialogs::Answer given =
        dialogs.message(nullptr, QStringLiteral("Finish Save"), QStringLiteral("Title"),
                        Dialogs::Icon::Warning, Dialogs::Buttons(buttons));
    QCOMPARE(int(given), answer);
}

void TestQtDialogs::chooseFile_setsUpTheDialogFromTheRequest() {
    QTemporaryDir dir;
    QFile file(dir.filePath("song.mp3"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QtDialogs dialogs;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Open Mp3");
    request.filter = QStringLiteral("Mp3 File|*.mp3|All|*.*");
    request.initialFolder = dir.path();
    request.flags = 4096;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Mp3"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->nameFilters(), (QStringList{"Mp3 File (*.mp3)", "All (*)"}));
        QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(dir.path()).absolutePath());
        dialog->selectFile(dir.filePath("song.mp3"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto chosen = dialogs.chooseFile(nullptr, request);
    QVERIFY(chosen);
    QCOMPARE(*chosen, QDir::toNativeSeparators(dir.filePath("song.mp3")));
}

void TestQtDialogs::chooseFile_saveAddsTheDefaultExtension() {
    QTemporaryDir dir;
    QtDialogs dialogs;
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Save;
    request.title = QStringLiteral("Save");
    request.filter = QStringLiteral("Wav File|*.wav");
    request.initialFolder = dir.path();
    request.defaultExtension = QStringLiteral("wav");
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->selectFile(QStringLiteral("ring"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto chosen = dialogs.chooseFile(nullptr, request);
    QVERIFY(chosen);
    QCOMPARE(*chosen, QDir::toNativeSeparators(dir.filePath("ring.wav")));
}

void TestQtDialogs::chooseFile_cancelGivesNothing() {
    QtDialogs dialogs;
    whenOpen<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QVERIFY(!dialogs.chooseFile(nullptr, {}));
}

void TestQtDialogs::inputText_givesTheTypedTextOrNothing() {
    QtDialogs dialogs;
    whenOpen<QInputDialog>([](QInputDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Create New Folder "));
        QCOMPARE(dialog->labelText(), QStringLiteral("New Folder Name"));
        QCOMPARE(dialog->textValue(), QString());
        dialog->setTextValue(QStringLiteral("Tones"));
        dialog->accept();
    });
    QCOMPARE(dialogs.inputText(nullptr, QStringLiteral("Create New Folder "),
                               QStringLiteral("New Folder Name")),
             std::optional<QString>(QStringLiteral("Tones")));

    whenOpen<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    QVERIFY(!dialogs.inputText(nullptr, QStringLiteral("t"), QStringLiteral("p")));
}

// Names typed at once come back every one, whatever the filter shows: the caller says what
// it does with each, so none may vanish in the dialog.
void TestQtDialogs::chooseFiles_typedNamesOfAnyKindComeBackEveryOne() {
    QTemporaryDir dir;
    const QStringList names = {"a.mp3", "b.wav", "Forest Walk.flac", "d.ogg", "broken.mp3"};
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Dialogs::FileRequest request;
    request.filter = QStringLiteral("Audio files (*.wav;*.mp3)|*.wav;*.mp3|All files|*.*");
    request.initialFolder = dir.path();
    request.flags = Dialogs::FileRequest::AllowMultiple | Dialogs::FileRequest::FileMustExist;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        QStringList quoted;
        for (const QString& n : names)
            quoted << u'"' + n + u'"';
        name->setText(quoted.join(u' '));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<QStringList> chosen = QtDialogs().chooseFiles(nullptr, request);
    QVERIFY(chosen);
    QStringList got;
    for (const QString& path : *chosen)
        got << QFileInfo(path).fileName();
    got.sort();
    QStringList wanted = names;
    wanted.sort();
    QCOMPARE(got, wanted);
}

// A path handed over from outside may be as long as a path can be, or longer: the box shows
// its start and its end, and its sentence whole.
void TestQtDialogs::elided_keepsTheEndsOfALongPath() {
    const QString path = "/home/" + QString(64 * 1024 * 1024, 'a') + "/Song.mp3";
    const QString shown = QtDialogs::elided("Can't play the file " + path + ".\nIt is not there.");
    QCOMPARE(shown.size(), 20 + QtDialogs::MaxRun + 17);
    QVERIFY(shown.startsWith("Can't play the file /home/aaa"));
    QVERIFY(shown.endsWith(QStringLiteral("aaa/Song.mp3.\nIt is not there.")));
    QCOMPARE(QtDialogs::elided("Short words stay as they are."), "Short words stay as they are.");
    const QString manyWords = QString("word ").repeated(10000);
    QCOMPARE(QtDialogs::elided(manyWords).size(), QtDialogs::MaxText);
}

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
