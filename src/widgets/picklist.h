#pragma once

#include <QComboBox>
#include <QElapsedTimer>

// A drop-down pick list with a search by prefix: characters typed less than kSearchInterval
// apart extend one prefix, and the first item that begins with it (ignoring case) is chosen.
// Backspace shortens the prefix and asks for the chosen item again without moving. An arrow key
// held down repeats faster than a chosen item may take to show: the moves that arrive together
// are made as one, to where the last of them leads.
class PickList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kSearchInterval = 500;
    static constexpr int kItemHeight = 16;

    PickList(QWidget* parent, const char* name, QRect geometry);

signals:
    void chosenAgain();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int findPrefix(const QString& prefix) const;
    void typeCharacter(const QString& character);
    void choose(int row);
    bool searchKey(QKeyEvent* event);
    // Where a move key leads from the item chosen, or from where held keys are leading; -1 for
    // any other key.
    int moveTarget(const QKeyEvent* event, bool dropped) const;
    void chooseSoon(int row);
    void choosePending();

    QString m_prefix;
    int m_pendingRow = -1;
    QElapsedTimer m_sinceLastKey;
};
