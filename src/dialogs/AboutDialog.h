#pragma once
// The About box: the program, its version, and the holiday data's source, version and licence (which
// asks to be named wherever the data is used).

#include <QDialog>

namespace morvessa {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `dataFolder` empty: the installed holiday data.
    explicit AboutDialog(QWidget* parent = nullptr, const QString& dataFolder = {});

    // What the box says, as plain text.
    QString Text() const;
};

}  // namespace morvessa
