#include "dialogs/AboutDialog.h"

#include "holidays/world/WorldHolidays.h"
#include "widgets/ScreenFit.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>

namespace morvessa {

namespace {

QLabel* AddLabel(QWidget& parent, QLayout& layout, const QString& objectName, const QString& html)
{
    auto* label = new QLabel(html, &parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    // Long translations wrap rather than widen the box past the screen.
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    layout.addWidget(label);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, const QString& dataFolder) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Morvessa"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* layout = new QVBoxLayout(this);
    const QString version = QCoreApplication::applicationVersion();
    AddLabel(*this, *layout, QStringLiteral("Program"),
             QStringLiteral("<p><b>Morvessa</b><br>%1</p><p>%2</p>")
                 .arg(tr("Version %1").arg(version.toHtmlEscaped()),
                      tr("Yearly calendars to print, with the holidays of your place.").toHtmlEscaped()));
    const QString data =
        dataFolder.isEmpty() ? world::DataDescription() : world::DataDescription(dataFolder);
    const QString home = QString::fromLatin1(world::kDataHome);
    AddLabel(*this, *layout, QStringLiteral("HolidayData"),
             QStringLiteral("<p>%1<br><a href=\"%2\">%2</a><br>%3</p>")
                 .arg(tr("Holiday data: %1").arg(data).toHtmlEscaped(), home,
                      tr("Licence of the holiday data: %1").arg(QLatin1String(world::kDataLicence)).toHtmlEscaped()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ScrollLaidOutWhenLargerThanScreen(*this);
}

QString AboutDialog::Text() const
{
    QStringList lines;
    for (const QLabel* label : findChildren<QLabel*>()) {
        QTextDocument document;
        document.setHtml(label->text());
        lines.append(document.toPlainText().trimmed());
    }
    return lines.join(u'\n');
}

}  // namespace morvessa
