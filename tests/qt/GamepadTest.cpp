// SPDX-License-Identifier: GPL-3.0-or-later
// The game played from gamepads: recorded event streams written to FIFOs in
// a folder the program watches in place of /dev/input, read by the real
// program as it reads a pad.
#include "CaptionBox.h"
#include "GameTestAccess.h"
#include "GameTimer.h"
#include "Harness.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <linux/input.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using stackfall::testing::Harness;
using stackfall::testing::QuestionAnswerer;

namespace {

constexpr uid_t Nobody = 65534;

// Root may read any node: while this lives, the program reads the devices
// as the user nobody, who owns the test's nodes.
class ReadAsUser {
public:
    ReadAsUser() : root_(geteuid() == 0) {
        if (root_ && seteuid(Nobody) != 0) {
            std::perror("seteuid");
        }
    }
    ~ReadAsUser() {
        if (root_ && seteuid(0) != 0) {
            std::perror("seteuid");
        }
    }
    ReadAsUser(const ReadAsUser&) = delete;
    ReadAsUser& operator=(const ReadAsUser&) = delete;

private:
    bool root_;
};

// A pad as the kernel shows it: a node in the watched folder whose events
// the test writes. The node is made beside the folder and moved in whole, so
// that the program never sees it without a writer.
class RecordedPad {
public:
    RecordedPad(const QTemporaryDir& dir, const char* name, mode_t mode = 0600) {
        const std::string staged = dir.path().toStdString() + "/" + name;
        const std::string node = dir.path().toStdString() + "/input/" + name;
        if (mkfifo(staged.c_str(), 0600) != 0) {
            std::perror("mkfifo");
        }
        // Read and write: the node then always has a writer, and opening it
        // does not wait for a reader.
        fd_ = ::open(staged.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        fstat(fd_, &stat_);
        if (geteuid() == 0 && fchown(fd_, Nobody, Nobody) != 0) {
            std::perror("fchown");
        }
        if (chmod(staged.c_str(), mode) != 0) {
            std::perror("chmod");
        }
        if (std::rename(staged.c_str(), node.c_str()) != 0) {
            std::perror("rename");
        }
        path_ = node;
    }
    ~RecordedPad() { unplug(); }
    RecordedPad(const RecordedPad&) = delete;
    RecordedPad& operator=(const RecordedPad&) = delete;

    // One report: the events, then the report's end.
    void send(std::initializer_list<input_event> events) {
        for (input_event event : events) {
            write(event);
        }
        write({{}, EV_SYN, SYN_REPORT, 0});
    }
    void press(unsigned short button) {
        send({{{}, EV_KEY, button, 1}});
        send({{{}, EV_KEY, button, 0}});
    }
    void axis(unsigned short code, int value) { send({{{}, EV_ABS, code, value}}); }

    // Waits until the program has read every event written.
    [[nodiscard]] bool drained() const {
        int unread = 0;
        return QTest::qWaitFor([&] { return ioctl(fd_, FIONREAD, &unread) == 0 && unread == 0; });
    }
    // The program sees the end of the stream, as when a pad is pulled out.
    void unplug() {
        if (fd_ >= 0) {
            ::unlink(path_.c_str());
            ::close(fd_);
            fd_ = -1;
        }
    }
    [[nodiscard]] bool is(int fd) const {
        struct stat other {};
        return fstat(fd, &other) == 0 && other.st_ino == stat_.st_ino;
    }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    void write(const input_event& event) const {
        if (::write(fd_, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) {
            std::perror("write");
        }
    }

    int fd_ = -1;
    std::string path_;
    struct stat stat_ {};
};

} // namespace

class GamepadTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void playsPiecesAndAnswersTheQuestionsFromThePad();
    void onlyGamepadsAreReadAndAPulledPadChangesNothing();
    void folderThatDoesNotExistIsPassedOver();

private:
    QTemporaryDir dir_;
};

void GamepadTest::init() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("input")));
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dir_.path(), open));
    QVERIFY(QFile::setPermissions(dir_.path() + QStringLiteral("/input"), open));
}

void GamepadTest::playsPiecesAndAnswersTheQuestionsFromThePad() {
    const stackfall::testing::QuietOffscreenLimits quiet;
    Harness h({5, 8, 8, 8, 6, 3});
    auto& pads = h.program.gamepads();
    pads.watch(dir_.path() + QStringLiteral("/input"), [](int) { return true; });
    RecordedPad pad(dir_, "event7"); // plugged in after the start
    QTRY_COMPARE(pads.count(), 1);

    // Back is the start button: a game starts, with no question.
    pad.press(BTN_SELECT);
    QTRY_VERIFY(!h.game.state().gameOver);
    const auto& cells = h.game.state().pieceCells;
    QCOMPARE(h.game.state().currentType, 5); // the square, at 7, 8, 20, 21

    // Start pauses and resumes.
    pad.press(BTN_START);
    QTRY_VERIFY(h.game.state().paused);
    QVERIFY(!h.mainWindow.gravityTimer().isTicking());
    pad.press(BTN_START);
    QTRY_VERIFY(!h.game.state().paused);
    // From here the piece moves only as the pad says.
    h.mainWindow.gravityTimer().setEnabled(false);

    // The stick within its dead zone does nothing; past it, it moves once.
    pad.axis(ABS_X, -8000);
    pad.axis(ABS_Y, 7000);
    QVERIFY(pad.drained());
    QCOMPARE(cells(1), 7);
    pad.axis(ABS_X, -20000);
    pad.axis(ABS_X, -32768);
    pad.axis(ABS_X, 0);
    QTRY_COMPARE(cells(1), 6);
    // The hat, twice left.
    for (int i = 0; i < 2; ++i) {
        pad.axis(ABS_HAT0X, -1);
        pad.axis(ABS_HAT0X, 0);
    }
    QTRY_COMPARE(cells(1), 4);
    // Held down, the stick repeats: one row at once, more after the delay.
    // Slow repeats leave seconds, not a fraction of one, before the held
    // square could reach the floor if the test itself stalls.
    pads.setRepeatTiming({std::chrono::milliseconds(100), std::chrono::milliseconds(150)});
    pad.axis(ABS_Y, 32767);
    QTRY_VERIFY(cells(1) > 4 + 13 * 3);
    pad.axis(ABS_Y, 0);
    QVERIFY(pad.drained());
    // Then pushed down a row a press with the d-pad's own buttons until it
    // settles and the single block comes in.
    while (h.landings() == 0) {
        const int before = cells(1);
        pad.press(BTN_DPAD_DOWN);
        QTRY_VERIFY(cells(1) != before || h.landings() == 1);
    }
    QCOMPARE(h.game.state().currentType, 8);
    // South turns (the single block only plays the turn's sound).
    h.sounds.clear();
    pad.press(BTN_SOUTH);
    QTRY_COMPARE(h.sounds, std::vector<int>{2});
    pad.press(BTN_DPAD_RIGHT);
    QTRY_COMPARE(cells(1), 8);
    while (h.landings() == 1) {
        pad.press(BTN_DPAD_DOWN);
        QVERIFY(pad.drained());
    }
    // The square and the block settled at the bottom, the next block at the top.
    std::string board = "......o......\n";
    for (int row = 2; row <= 21; ++row) {
        board += ".............\n";
    }
    board += "...##........\n"
             "...##..#.....\n";
    QCOMPARE(stackfall::testing::boardPicture(h.game.state()), board);

    // Back during a game asks first. While the question is open the pad only
    // answers it: East is No, and the piece behind it stays put.
    const auto answerFromPad = [&pad](unsigned short button) {
        QTimer::singleShot(0, [&pad, button] {
            pad.axis(ABS_HAT0X, 1);
            pad.press(BTN_START);
            pad.press(button);
            pad.axis(ABS_HAT0X, 0);
        });
    };
    answerFromPad(BTN_EAST);
    pad.press(BTN_SELECT);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr && pad.drained());
    QCOMPARE(cells(1), 7);
    QVERIFY(!h.game.state().paused);
    QCOMPARE(h.game.state().currentType, 8);
    // South is Yes: a new game, with the next piece dealt.
    answerFromPad(BTN_SOUTH);
    pad.press(BTN_SELECT);
    QTRY_COMPARE(h.game.state().currentType, 6);
    QCOMPARE(h.mainWindow.scorePanel().text(), QStringLiteral(" 0"));
    QVERIFY(!h.game.state().paused);

    // The exit question, asked by the mouse: East cancels, South is OK.
    answerFromPad(BTN_EAST);
    h.clickExit();
    QVERIFY(h.exits.empty());
    QVERIFY(pad.drained());
    answerFromPad(BTN_SOUTH);
    h.clickExit();
    QCOMPARE(h.exits, std::vector<int>{0});
}

void GamepadTest::onlyGamepadsAreReadAndAPulledPadChangesNothing() {
    Harness h({6, 3});
    h.clickStart();
    h.mainWindow.gravityTimer().setEnabled(false);
    auto& pads = h.program.gamepads();
    RecordedPad keyboard(dir_, "event0");
    RecordedPad pad(dir_, "event1");
    RecordedPad notAnEventNode(dir_, "mouse0");
    // A node the player may not read yet.
    RecordedPad later(dir_, "event2", 0);
    {
        const ReadAsUser user;
        pads.watch(dir_.path() + QStringLiteral("/input"),
                   [&keyboard](int fd) { return !keyboard.is(fd); });
        QCOMPARE(pads.count(), 1);

        keyboard.press(BTN_START);
        notAnEventNode.press(BTN_START);
        pad.axis(ABS_X, 32767);
        pad.axis(ABS_X, 0);
        QTRY_COMPARE(h.game.state().pieceCells(1), 8);
        QVERIFY(!h.game.state().paused);
        later.press(BTN_START);
        QVERIFY(chmod(later.path().c_str(), 0600) == 0);
        QTRY_COMPARE(pads.count(), 2);
        QTRY_VERIFY(h.game.state().paused); // read once it could be opened
        later.press(BTN_START);
        QTRY_VERIFY(!h.game.state().paused);
    }

    // Pulled out while held right: its repeats stop, the other pads and the
    // game go on. (Resuming started gravity again.)
    h.mainWindow.gravityTimer().setEnabled(false);
    pad.axis(ABS_X, 32767);
    // At least once: a stalled test may see the repeats start before the pull.
    QTRY_VERIFY(h.game.state().pieceCells(1) >= 9);
    pad.unplug();
    QTRY_COMPARE(pads.count(), 1);
    const std::string before = stackfall::testing::boardPicture(h.game.state());
    QTest::qWait(700); // past the repeat delay
    QCOMPARE(stackfall::testing::boardPicture(h.game.state()), before);
    QVERIFY(!h.game.state().gameOver);
    later.press(BTN_START);
    QTRY_VERIFY(h.game.state().paused);
    later.press(BTN_START);
    QTRY_VERIFY(!h.game.state().paused);

    // Plugged in again under the same name.
    RecordedPad again(dir_, "event1");
    QTRY_COMPARE(pads.count(), 2);
    h.sounds.clear();
    again.press(BTN_SOUTH);
    QTRY_COMPARE(h.sounds, std::vector<int>{2});
}

void GamepadTest::folderThatDoesNotExistIsPassedOver() {
    Harness h;
    h.program.gamepads().watch(dir_.path() + QStringLiteral("/none"));
    QCOMPARE(h.program.gamepads().count(), 0);
    h.clickStart();
    QVERIFY(!h.game.state().gameOver);
}

QTEST_MAIN(GamepadTest)
#include "GamepadTest.moc"
