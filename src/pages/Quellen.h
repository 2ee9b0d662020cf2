#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class Panel;

// Where the program comes from, whom to write to, and the literature.
class TFormQuellen : public QWidget
{
    Q_OBJECT
public:
    TFormQuellen();

    QScrollArea* ScrollBox1;
    QPlainTextEdit* Memo3;
    QLineEdit* Edit1;  // the web address
    QLineEdit* Edit2;  // the mail address
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    Panel* Panel1;
    QPushButton* EndeButton;
};
