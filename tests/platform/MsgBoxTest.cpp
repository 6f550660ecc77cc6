#include "platform/MsgBox.h"

#include "platform/ExitProcedures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct BoxCase
{
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    int answer;
};

// Presses `button` on the box as soon as it is shown and records what the box looked like.
void pressWhenShown(QMessageBox::StandardButton button, QMessageBox::Icon &icon,
                    QMessageBox::StandardButtons &buttons, QString &text, QString &title)
{
    QTimer::singleShot(0, [=, &icon, &buttons, &text, &title] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        buttons = box->standardButtons();
        text = box->text();
        title = box->windowTitle();
        box->button(button)->click();
    });
}

TEST(MsgBox, StylesChooseButtonsAndIconAndAnswerByButton)
{
    const BoxCase cases[] = {
        {MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::Question,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::Question,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, IDCANCEL},
        {MB_YESNO | MB_ICONWARNING, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, IDYES},
        {MB_YESNO | MB_ICONWARNING, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No, IDNO},
        {MB_ICONWARNING, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, IDOK},
        {MB_OK, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, IDOK},
    };
    for (const BoxCase &c : cases) {
        QMessageBox::Icon icon{};
        QMessageBox::StandardButtons buttons{};
        QString text;
        QString title;
        pressWhenShown(c.press, icon, buttons, text, title);
        EXPECT_EQ(MsgBox(u"一行目\r\n二行目"_s, c.style), c.answer) << c.style;
        EXPECT_EQ(icon, c.icon) << c.style;
        EXPECT_EQ(buttons, c.buttons) << c.style;
        EXPECT_EQ(text, u"一行目\n二行目"_s);
        EXPECT_EQ(title, u"Virelith(仮題)体験版"_s);
    }
}

TEST(MsgBox, EveryStyleAnswersFromTheKeys)
{
    const struct
    {
        int style;
        Qt::Key key;
        int answer;
    } cases[] = {
        {MB_OKCANCEL | MB_ICONQUESTION, Qt::Key_Return, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, Qt::Key_Escape, IDCANCEL},
        {MB_YESNO | MB_ICONWARNING, Qt::Key_Enter, IDYES},
        {MB_YESNO | MB_ICONWARNING, Qt::Key_Escape, IDNO},
        {MB_ICONWARNING, Qt::Key_Return, IDOK},
        {MB_OK, Qt::Key_Escape, IDOK},
    };
    for (const auto &c : cases) {
        QTimer::singleShot(0, [&c] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QWidget *focus = box->focusWidget();
            QTest::keyClick(focus ? focus : box, c.key);
            if (box->isVisible()) {
                ADD_FAILURE() << "the key left the box open: " << c.style << " " << c.key;
                box->done(QMessageBox::Cancel);
            }
        });
        EXPECT_EQ(MsgBox(u"質問"_s, c.style), c.answer) << c.style << " " << c.key;
    }
}

TEST(MsgBox, HookAnswersInsteadOfAWindow)
{
    MsgBoxRequest seen;
    setMsgBoxHook([&seen](const MsgBoxRequest &request) {
        seen = request;
        return IDCANCEL;
    });
    EXPECT_EQ(basMain::ConfirmExit(), IDCANCEL);
    setMsgBoxHook({});
    EXPECT_EQ(seen.text, u"ゲームを終了しますか？"_s);
    EXPECT_EQ(seen.style, MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(seen.title, u"Virelith(仮題)体験版"_s);
}

TEST(ExitProcedures, OnlyACloseFromTheCloseBoxAsks)
{
    int asked = 0;
    int answer = IDCANCEL;
    setMsgBoxHook([&](const MsgBoxRequest &) {
        ++asked;
        return answer;
    });
    EXPECT_TRUE(basMain::MayClose(false));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(basMain::MayClose(true));
    answer = IDOK;
    EXPECT_TRUE(basMain::MayClose(true));
    EXPECT_EQ(asked, 2);
    setMsgBoxHook({});
}

// Records the closes it sees, and whether they came from the window system.
class Recorder : public QWidget
{
public:
    Recorder(QStringList &log, QString name) : m_log(log), m_name(std::move(name)) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_log.append(m_name + (event->spontaneous() ? u" by user"_s : u" by code"_s));
        QWidget::closeEvent(event);
    }

private:
    QStringList &m_log;
    QString m_name;
};

TEST(ExitProcedures, UnloadAllFormsClosesEveryWindowByCode)
{
    QStringList log;
    Recorder first(log, u"first"_s);
    Recorder second(log, u"second"_s);
    first.show();
    second.show();
    basMain::UnloadAllForms();
    EXPECT_TRUE(log.contains(u"first by code"_s));
    EXPECT_TRUE(log.contains(u"second by code"_s));
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
}

} // namespace
