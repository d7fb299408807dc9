#include "widgets/UiRoutines.h"

#include "widgets/CursorFile.h"
#include "core/ErrorTrap.h"
#include "core/SharedRoutines.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

// The icon is compiled into this static library; its initialiser must be called by name.
static void InitialiseIconResource()
{
    Q_INIT_RESOURCE(morvessa_icon);
}

namespace morvessa {

namespace {

void PaintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    // Buttons (option buttons, check boxes) fill their background from the Button role.
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

QColor SystemFaceColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

void PaintWindowBackground(QWidget* window, const QColor& colour)
{
    PaintBackground(window, colour);
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
            qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
            PaintBackground(child, colour);
    }
}

void UseSystemFaceColour(QWidget* window)
{
    PaintWindowBackground(window, SystemFaceColour());
}

QString ProgramFolder()
{
    // Beside the program in the build tree and in a flat install; a package keeps the files the
    // program ships with in its data folder instead (../share/morvessa from the binary).
    const QDir programDir(QCoreApplication::applicationDirPath());
    if (!QFileInfo::exists(programDir.filePath(QString::fromLatin1(kHandCursorFileName)))) {
        const QString dataFolder = QDir::cleanPath(programDir.filePath(QStringLiteral("../share/morvessa")));
        if (QFileInfo::exists(QDir(dataFolder).filePath(QString::fromLatin1(kHandCursorFileName))))
            return dataFolder;
    }
    return programDir.path();
}

std::optional<QCursor> LoadHandCursor(const QString& path)
{
    const std::optional<CursorPicture> picture = ReadCursorFile(path);
    if (!picture)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(picture->image), picture->hotspot.x(), picture->hotspot.y());
}

const std::optional<QCursor>& HandCursor()
{
    static const std::optional<QCursor> cursor =
        LoadHandCursor(QDir(ProgramFolder()).filePath(kHandCursorFileName));
    return cursor;
}

void ApplyHandCursor(QAbstractButton* button)
{
    if (HandCursor())
        button->setCursor(*HandCursor());
    else
        button->unsetCursor();
}

QIcon ApplicationIcon()
{
    InitialiseIconResource();
    static const QIcon icon(QStringLiteral(":/morvessa/morvessa.png"));
    return icon;
}

QString MessageBoxText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void MessageBoxErrorReporter::Report(const std::string& message)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("ErrorReport", "Application Error"),
                    MessageBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void InstallMessageBoxErrorReporter()
{
    static MessageBoxErrorReporter reporter;
    SetErrorReporter(&reporter);
}

void ShowValidationMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool AskYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace morvessa
