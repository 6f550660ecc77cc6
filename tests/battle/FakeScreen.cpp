#include "FakeScreen.h"

#include "battle/AnimeEngine.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void RequestLog::add(const QString &line)
{
    if (destroyed)
        ADD_FAILURE() << "the screen was used after it was destroyed: " << line.toStdString();
    if (!muted || !*muted)
        lines.append(line);
}

QStringList RequestLog::take()
{
    QStringList taken;
    taken.swap(lines);
    return taken;
}

FakeElement::FakeElement(RequestLog &log, QString name, bool sizesToCaption)
    : m_log(log), m_name(std::move(name)), m_sizesToCaption(sizesToCaption)
{}

void FakeElement::use() const
{
    if (m_log.destroyed)
        ADD_FAILURE() << m_name.toStdString() << " was used after the screen was destroyed";
}

float FakeElement::Left() const
{
    use();
    return PlainElement::Left();
}

float FakeElement::Top() const
{
    use();
    return PlainElement::Top();
}

void FakeElement::Move(float left, float top)
{
    m_log.add(m_name + u".Move("_s + QString::number(left) + u',' + QString::number(top) + u')');
    PlainElement::Move(left, top);
}

bool FakeElement::Visible() const
{
    use();
    return PlainElement::Visible();
}

void FakeElement::setVisible(bool visible)
{
    m_log.add(m_name + u".Visible="_s + (visible ? u'1' : u'0'));
    PlainElement::setVisible(visible);
}

float FakeElement::Width() const
{
    use();
    return PlainElement::Width();
}

float FakeElement::Height() const
{
    use();
    return PlainElement::Height();
}

QString FakeElement::Caption() const
{
    use();
    return PlainElement::Caption();
}

void FakeElement::setCaption(const QString &caption)
{
    m_log.add(m_name + u".Caption="_s + caption);
    PlainElement::setCaption(caption);
    // A label that sizes itself: 10 pixels a character, 20 high.
    if (m_sizesToCaption)
        setSize(10.0f * static_cast<float>(caption.size()), 20);
}

QRgb FakeElement::ForeColor() const
{
    use();
    return PlainElement::ForeColor();
}

void FakeElement::setForeColor(QRgb color)
{
    m_log.add(m_name + u".ForeColor="_s +
              QString::number(color & 0xFFFFFFu, 16).rightJustified(6, u'0'));
    PlainElement::setForeColor(color);
}

Picture FakeElement::Picture() const
{
    use();
    return PlainElement::Picture();
}

void FakeElement::setPicture(const ::Picture &picture)
{
    m_log.add(m_name + u".Picture="_s + describePicture(picture));
    PlainElement::setPicture(picture);
}

float FakeElement::FontSize() const
{
    use();
    return PlainElement::FontSize();
}

void FakeElement::setFontSize(float size)
{
    m_log.add(m_name + u".FontSize="_s + QString::number(size));
    PlainElement::setFontSize(size);
}

void FakeElement::setTag(const QString &tag)
{
    m_log.add(m_name + u".Tag="_s + tag);
    PlainElement::setTag(tag);
}

FakeScreen::FakeScreen(RequestLog &log)
    : m_log(log), m_picCard(make("picCard", 12)), m_imgCard(make("imgCard", 12)),
      m_lblCard(make("lblCard", 12)), m_lblCardNum(make("lblCardNum", 12)),
      m_picCardF(make("picCardF", 2)), m_imgCardF(make("imgCardF", 2)),
      m_lblCardF(make("lblCardF", 2)), m_lblCardNumF(make("lblCardNumF", 2)),
      m_imgFace(make("imgFace", 2)), m_lblHp(make("lblHp", 2)), m_lblChar(make("lblChar", 2)),
      m_picFukidashi(make("picFukidashi", 1)), m_linVs(make("linVs", 6)),
      m_lblVs(make("lblVs", 12)),
      m_lblMessage(std::make_unique<FakeElement>(log, u"lblMessage"_s, true)),
      m_picCharSelect(std::make_unique<FakeElement>(log, u"picCharSelect"_s))
{
    // Design places of the elements the battle moves.
    for (int side = 0; side < 2; ++side)
        m_imgFace[static_cast<std::size_t>(side)]->PlainElement::Move(600, side == 0 ? 448 : 24);
    m_picFukidashi[0]->PlainElement::Move(568, 8);
    m_lblMessage->PlainElement::setForeColor(qRgb(255, 0, 0));
    m_picCharSelect->PlainElement::setVisible(true);
}

FakeScreen::Elements FakeScreen::make(const char *name, int count)
{
    Elements elements;
    for (int i = 0; i < count; ++i)
        elements.push_back(std::make_unique<FakeElement>(m_log, QString::fromLatin1(name) + u'(' +
                                                                    QString::number(i) + u')'));
    return elements;
}

FakeElement &FakeScreen::element(Elements &elements, int index)
{
    return *elements.at(static_cast<std::size_t>(index));
}

void FakeScreen::ClearScreen()
{
    m_log.add(u"ClearScreen()"_s);
}

void FakeScreen::ShowChar(std::int16_t side, const CharRecord &fighter)
{
    m_log.add(u"ShowChar("_s + QString::number(side) + u',' + fighter.Name + u",hp="_s +
              QString::number(fighter.Hp) + u')');
}

void FakeScreen::ClashDecided(std::int16_t winner, std::int16_t amount, std::int32_t kind)
{
    m_log.add(u"ClashDecided("_s + QString::number(winner) + u',' + QString::number(amount) + u',' +
              QString::number(kind) + u')');
}

void FakeScreen::ShowTalk(std::int16_t side, const QString &key, const Picture &face)
{
    m_log.add(u"ShowTalk("_s + QString::number(side) + u',' + key + u",face="_s +
              describePicture(face) + u')');
    // The balloon takes a size and its place as the presentation would.
    FakeElement &b = balloon();
    b.setSize(200, 68);
    b.PlainElement::Move(196, side == 0 ? 556 - 32 - 68 : 32);
}

void FakeScreen::ReturnToAdventure()
{
    m_log.add(u"ReturnToAdventure()"_s);
}

bool FakeMusic::Stoped()
{
    m_log.add(u"Music.Stoped()"_s);
    return true;
}

void FakeMusic::SetRepeat(bool repeat)
{
    m_log.add(u"Music.SetRepeat("_s + (repeat ? u'1' : u'0') + u')');
}

void FakeMusic::SetFile(const QString &path)
{
    m_log.add(u"Music.SetFile("_s + path + u')');
}

bool FakeMusic::Play(const QString &path)
{
    m_log.add(u"Music.Play("_s + path + u')');
    return true;
}

QString describeStep(const tAniStep &step)
{
    auto at = [](AniPos p) {
        return u'(' + QString::number(p.Left) + u',' + QString::number(p.Top) + u')';
    };
    const auto &obj = dynamic_cast<const FakeElement &>(*step.Obj);
    return (step.Kind == kAniMove ? u""_s : u"show "_s) + obj.name() + u' ' +
           QString::number(step.StartTime, 'f', 2) + u'-' + QString::number(step.EndTime, 'f', 2) +
           u' ' + at(step.From) + u"->"_s + at(step.To);
}

QString describePicture(const Picture &picture)
{
    return picture.isNull() ? u"none"_s : QString::number(picture.width());
}
