#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include "core/process_hook.h"
#include "platform/message_box.h"
#include "platform/open_url.h"
#include "platform/process_events_hook.h"
#include "support/qt_app.h"
#include "support/url_recorder.h"

using namespace lumaro;

TEST(QtServices, ProcessMessagesRunsPendingEvents) {
    lumaro::testing::qtApp();
    bool ran = false;
    {
        const ScopedProcessMessagesHook hook(processQtEvents);
        QTimer::singleShot(0, [&] { ran = true; });
        processMessages();
        EXPECT_TRUE(ran);
    }
    ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    processMessages();
    EXPECT_FALSE(ran) << "the hook ends with its scope";
    QCoreApplication::processEvents();
}

TEST(QtServices, MessageBoxesCanBeCaptured) {
    lumaro::testing::qtApp();
    ScopedMessageBoxCapture capture;
    showErrorMessage(nullptr, "Napaka č");
    showInformation(nullptr, "Predogled še ni na voljo.");
    ASSERT_EQ(capture.shown().size(), 2u);
    EXPECT_EQ(capture.shown()[0].text, QString::fromUtf8("Napaka č"));
    EXPECT_EQ(capture.shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(capture.shown()[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(capture.shown()[1].icon, QMessageBox::Information);

    MessageRequest question;
    question.text = "Shrani?";
    question.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    ScopedMessageBoxCapture answersNo(QMessageBox::No);
    EXPECT_EQ(showMessageBox(question), QMessageBox::No);
    EXPECT_EQ(answersNo.shown().size(), 1u);
    EXPECT_EQ(capture.shown().size(), 2u);  // the inner capture took it
}

TEST(QtServices, AddressesGoToTheDesktopHandler) {
    lumaro::testing::qtApp();
    lumaro::testing::UrlRecorder recorder;
    EXPECT_TRUE(openUrl("https://lumaro.example"));
    EXPECT_TRUE(openUrl("mailto:info@lumaro.example"));
    EXPECT_TRUE(openUrl("www.lumaro.example"));
    EXPECT_FALSE(openUrl("  "));
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[0], QUrl("https://lumaro.example"));
    EXPECT_EQ(recorder.opened[1].scheme(), "mailto");
    EXPECT_EQ(recorder.opened[1].path(), "info@lumaro.example");
    EXPECT_EQ(recorder.opened[2].host(), "www.lumaro.example");
}

#include "support/moc_url_recorder.cpp"
