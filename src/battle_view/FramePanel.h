#pragma once

#include <QWidget>

// A framed panel: a rounded rim with its caption set into the top edge. Elements inside are
// placed from the panel's own top-left corner.
class FramePanel : public QWidget
{
    Q_OBJECT

public:
    explicit FramePanel(QWidget *parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
