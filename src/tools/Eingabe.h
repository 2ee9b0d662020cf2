#pragma once

#include <QWidget>
#include <array>

class Panel;
class QLabel;
class QLineEdit;
class QPushButton;
class Simulatorzustand;

// The kernel input window: nine weights of an own linear 3 x 3 filter, typed
// in reading order (Feld1 Feld2 Feld3 on the top row). "Apply filter" filters
// the CT picture with them, divided by their sum (or by 1 when the sum is 0).
// The fields take digits and "-" only, at most three characters; Enter moves
// on to the next control. Their texts stay between uses; they are the
// simulator state's kernel texts, which the archive keeps and restores.
class TFormEingabe : public QWidget
{
    Q_OBJECT
public:
    explicit TFormEingabe(Simulatorzustand& zustand);

    QLabel* Label1;
    Panel* Panel1;
    QLineEdit* Feld1;
    QLineEdit* Feld2;
    QLineEdit* Feld3;
    QLineEdit* Feld4;
    QLineEdit* Feld5;
    QLineEdit* Feld6;
    QLineEdit* Feld7;
    QLineEdit* Feld8;
    QLineEdit* Feld9;
    QPushButton* UebernehmenButton;
    QPushButton* EndeButton;

    // Feld1 ... Feld9 by index 0 ... 8.
    QLineEdit* Feld(int i) const { return m_felder[std::size_t(i)]; }
    std::array<QString, 9> Feldtexte() const;
    void setzeFeldtexte(const std::array<QString, 9>& texte);

    // "Apply filter". Every field is checked before anything changes: a text
    // that is no integer is named in a message and nothing else happens.
    void UebernehmenButtonClick();
    void EndeButtonClick();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    Simulatorzustand& m_zustand;
    std::array<QLineEdit*, 9> m_felder{};
    // The fields are being set from the state's texts.
    bool m_folgt = false;
};
