#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

// The main window between battles: it opens free battles and shows the record's totals.
class frmADV : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmADV(QWidget *parent = nullptr);

    // Known without a window, so the version box can list it.
    static QString Version();

    // Rewrites the totals of the battle record.
    void Print_TotalBtlRec();

    // Mode 1 writes the pointer status into the debug line; other modes do nothing.
    void Print_DbgMes(std::int32_t mode);

    // Shows that the battle record is not reaching its file (`why`: the file and the reason, as
    // the notice's tooltip), or with an empty `why` that it is saved again.
    void ShowRecordUnsaved(const QString &why);

signals:
    // A battle is asked for with the sides fixed as given (-1: chosen on the selection panel).
    void battleRequested(std::int16_t you, std::int16_t enemy);
    // "ﾊﾞｰｼﾞｮﾝ情報(&V)" was chosen.
    void versionRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void firstFocus();
    void cmdADV_Click(int index);
    void recordPointer(std::int32_t contType, std::int32_t id, const QWidget *element,
                       QPointF position);

    std::array<QPushButton *, 4> m_cmdADV{};
    QLabel *m_lblADV = nullptr;
    QLabel *m_imgADV = nullptr;
    QLabel *m_lblDbgMes = nullptr;
    QLabel *m_lblRecNotice = nullptr;
    bool m_firstFocusDone = false;

    // What the debug line shows: the kind of element under the pointer and where.
    std::int32_t m_ContType = 0;
    std::int32_t m_lID = 0;
    std::int32_t m_Pointer = 0;
    float m_X = 0;
    float m_Y = 0;
};
