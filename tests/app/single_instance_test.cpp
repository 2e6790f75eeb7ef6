#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/label_window.h"
#include "app/single_instance.h"
#include "support/qt_app.h"

using namespace lumaro;

namespace {

// A private runtime directory, so that no test talks to a Lumaro the user is running.
class PrivateRuntimeDir {
public:
    PrivateRuntimeDir() : saved_(qgetenv("XDG_RUNTIME_DIR")), hadSaved_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir_.path().toLocal8Bit());
    }
    ~PrivateRuntimeDir() {
        if (hadSaved_) qputenv("XDG_RUNTIME_DIR", saved_);
        else qunsetenv("XDG_RUNTIME_DIR");
    }
    QString path() const { return dir_.path(); }
    QString socket() const { return QDir(dir_.path()).filePath("lumaro-instance"); }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
    bool hadSaved_;
};

QString programPath() { return QDir(qEnvironmentVariable("LUMARO_BIN_DIR")).filePath("lumaro"); }

QProcessEnvironment programEnvironment(const PrivateRuntimeDir& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.remove("LUMARO_SCREENSHOT_DIR");
    return env;
}

}  // namespace

TEST(SingleInstance, SecondGuardAsksTheFirstToComeToTheFront) {
    lumaro::testing::qtApp();
    PrivateRuntimeDir runtime;
    EXPECT_EQ(TPBJustOne::defaultServerName(), runtime.socket());
    TPBJustOne first;
    EXPECT_FALSE(first.anotherInstanceRuns());
    QSignalSpy activated(&first, &TPBJustOne::activationRequested);
    TPBJustOne second;
    EXPECT_TRUE(second.anotherInstanceRuns());
    EXPECT_TRUE(activated.wait(5000));
}

TEST(SingleInstance, LeftOverSocketOfAnEndedInstanceIsTakenOver) {
    lumaro::testing::qtApp();
    PrivateRuntimeDir runtime;
    {
        // A socket file nobody listens on, as an instance that was killed leaves behind.
        QFile stale(runtime.socket());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    TPBJustOne guard;
    EXPECT_FALSE(guard.anotherInstanceRuns());
    TPBJustOne later;
    EXPECT_TRUE(later.anotherInstanceRuns());
}

TEST(SingleInstance, RunningWindowComesBackFromMinimised) {
    lumaro::testing::qtApp();
    PrivateRuntimeDir runtime;
    TForm1 w(TForm1::Options{.singleInstance = true});
    ASSERT_FALSE(w.anotherInstanceRuns());
    w.showMinimized();
    ASSERT_TRUE(w.isMinimized());
    TPBJustOne second;
    EXPECT_TRUE(second.anotherInstanceRuns());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isMinimized(); }, 5000));
    EXPECT_TRUE(w.isVisible());
}

// The program itself: a second start while one runs ends at once with status 0, without a
// window, after asking the running one to come to the front.
TEST(SingleInstance, SecondProgramStartEndsAndRaisesTheFirst) {
    lumaro::testing::qtApp();
    PrivateRuntimeDir runtime;
    ASSERT_TRUE(QFileInfo::exists(programPath())) << programPath().toStdString();

    // This test process stands in for the running instance, so it can see the request.
    TPBJustOne running;
    ASSERT_FALSE(running.anotherInstanceRuns());
    QSignalSpy activated(&running, &TPBJustOne::activationRequested);
    QProcess second;
    second.setProcessEnvironment(programEnvironment(runtime));
    second.start(programPath(), {});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(activated.count() > 0 || activated.wait(5000));
}

TEST(SingleInstance, TwoProgramStartsLeaveOneRunning) {
    lumaro::testing::qtApp();
    PrivateRuntimeDir runtime;
    QProcess first;
    first.setProcessEnvironment(programEnvironment(runtime));
    first.start(programPath(), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(runtime.socket()); }, 15000));

    QProcess second;
    second.setProcessEnvironment(programEnvironment(runtime));
    QElapsedTimer clock;
    clock.start();
    second.start(programPath(), {});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}
