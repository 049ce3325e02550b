#include "ui/test/draft_rules.h"

#include "app/clock.h"
#include "app/program_folder.h"
#include "data/atomic_file.h"

#include <QDir>

namespace ixo {

namespace {
const QString CrLf = QStringLiteral("\r\n");

// The essay with every line break (LF, CR or CR LF) written as CR LF.
QString withCrLf(QString text)
{
    if (text.contains(QLatin1Char('\r')))
        text.replace(CrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), CrLf);
}
} // namespace

QString DraftFilePath(SectionKind section)
{
    return QDir(ReviewFolder())
        .filePath(section == SectionKind::Issue ? QStringLiteral("autosave1.txt") : QStringLiteral("autosave2.txt"));
}

QByteArray DraftContent(SectionKind section, int topicNo, const QString &topicText, const QString &essay,
                        const QString &dateText)
{
    const QString header = section == SectionKind::Issue ? QStringLiteral("ISSUE") : QStringLiteral("ARGUMENT");
    const QString text = header + QString::number(topicNo) + QStringLiteral(" - ") + topicText + CrLf + CrLf +
                         withCrLf(essay) + CrLf + CrLf + QLatin1Char('(') + dateText + QLatin1Char(')') + CrLf;
    return text.toUtf8();
}

std::optional<QString> SaveDraft(SectionKind section, int topicNo, const QString &topicText, const QString &essay)
{
    const QByteArray content = DraftContent(section, topicNo, topicText, essay, GeneralDateTimeText(CurrentDateTime()));
    if (!EnsureReviewFolder())
        return QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(ReviewFolder()));
    return WriteFileAtomically(DraftFilePath(section), content, Durability::Quick);
}

} // namespace ixo
