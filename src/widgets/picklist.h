#pragma once

#include <QComboBox>
#include <QElapsedTimer>

// A drop-down pick list with a search by prefix: characters typed less than kSearchInterval
// apart extend one prefix, and the first item that begins with it (ignoring case) is chosen.
// Backspace shortens the prefix and asks for the chosen item again without moving.
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

    QString m_prefix;
    QElapsedTimer m_sinceLastKey;
};
