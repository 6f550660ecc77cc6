#pragma once

#include "PlainElement.h"
#include "battle/BattleMusic.h"
#include "battle/BattleScreen.h"

#include <QStringList>

#include <array>
#include <memory>
#include <vector>

struct tAniStep;

// Everything the battle asks of the screen and the music, in order, one line per request:
// "lblHp(1).Caption=-10", "ShowTalk(0,A,face=51)", "Music.Play()". Moves made by animation
// ticks are not written (the runs are written whole when they start); set `muted` around them.
struct RequestLog
{
    QStringList lines;
    const bool *muted = nullptr;
    // Set when the screen has been destroyed: any use of it from then on is a fault.
    bool destroyed = false;

    void add(const QString &line);
    // The lines from `first` on, and forgets them.
    QStringList take();
};

class FakeElement : public PlainElement
{
public:
    FakeElement(RequestLog &log, QString name, bool sizesToCaption = false);

    const QString &name() const { return m_name; }

    float Left() const override;
    float Top() const override;
    void Move(float left, float top) override;
    bool Visible() const override;
    void setVisible(bool visible) override;
    float Width() const override;
    float Height() const override;
    QString Caption() const override;
    void setCaption(const QString &caption) override;
    QRgb ForeColor() const override;
    void setForeColor(QRgb color) override;
    ::Picture Picture() const override;
    void setPicture(const ::Picture &picture) override;
    float FontSize() const override;
    void setFontSize(float size) override;
    void setTag(const QString &tag) override;

private:
    void use() const;

    RequestLog &m_log;
    QString m_name;
    bool m_sizesToCaption;
};

class FakeScreen : public BattleScreen
{
public:
    explicit FakeScreen(RequestLog &log);

    DisplayElement &picCard(int slot) override { return element(m_picCard, slot); }
    DisplayElement &imgCard(int slot) override { return element(m_imgCard, slot); }
    DisplayElement &lblCard(int slot) override { return element(m_lblCard, slot); }
    DisplayElement &lblCardNum(int slot) override { return element(m_lblCardNum, slot); }
    DisplayElement &picCardF(int side) override { return element(m_picCardF, side); }
    DisplayElement &imgCardF(int side) override { return element(m_imgCardF, side); }
    DisplayElement &lblCardF(int side) override { return element(m_lblCardF, side); }
    DisplayElement &lblCardNumF(int side) override { return element(m_lblCardNumF, side); }
    DisplayElement &imgFace(int side) override { return element(m_imgFace, side); }
    DisplayElement &lblHp(int side) override { return element(m_lblHp, side); }
    DisplayElement &lblChar(int side) override { return element(m_lblChar, side); }
    DisplayElement &lblMessage() override { return *m_lblMessage; }
    DisplayElement &picFukidashi(int index) override { return element(m_picFukidashi, index); }
    DisplayElement &linVs(int index) override { return element(m_linVs, index); }
    DisplayElement &lblVs(int index) override { return element(m_lblVs, index); }
    DisplayElement &picCharSelect() override { return *m_picCharSelect; }
    float ScaleHeight() const override { return 556; }

    void ClearScreen() override;
    void ShowChar(std::int16_t side, const CharRecord &fighter) override;
    void ShowTalk(std::int16_t side, const QString &key, const Picture &face) override;
    bool TalkShown() const override { return talkShown; }
    void ReturnToAdventure() override;
    void ClashDecided(std::int16_t winner, std::int16_t amount, std::int32_t kind) override;

    FakeElement &balloon() { return *m_picFukidashi[0]; }

    // The talk option of the menu.
    bool talkShown = true;

private:
    using Elements = std::vector<std::unique_ptr<FakeElement>>;
    FakeElement &element(Elements &elements, int index);
    Elements make(const char *name, int count);

    RequestLog &m_log;
    Elements m_picCard, m_imgCard, m_lblCard, m_lblCardNum;
    Elements m_picCardF, m_imgCardF, m_lblCardF, m_lblCardNumF;
    Elements m_imgFace, m_lblHp, m_lblChar, m_picFukidashi, m_linVs, m_lblVs;
    std::unique_ptr<FakeElement> m_lblMessage, m_picCharSelect;
};

class FakeMusic : public BattleMusic
{
public:
    explicit FakeMusic(RequestLog &log) : m_log(log) {}

    bool Stoped() override;
    void SetRepeat(bool repeat) override;
    void SetFile(const QString &path) override;
    bool Play(const QString &path) override;

private:
    RequestLog &m_log;
};

// "picCard(3) 0.07-0.27 (104,550)->(104,392)" for a move, "show ..." for any other kind.
QString describeStep(const tAniStep &step);

// A picture as the log writes it: its width (test pictures differ in width), or "none".
QString describePicture(const Picture &picture);
