#include "ui/test/draft_rules.h"

#include "app/clock.h"
#include "app/program_folder.h"
#include "data/atomic_file.h"

#include <QDir>

namespace ixo {

namespace {
const QString CrLf = QStringLiteral("\r\n");

// The essay with every line break (LF, CR or CR LF) written as CR LF.
QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += CrLf;
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += CrLf;
        } else {
            out += c;
        }
    }
    return out;
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
    return WriteFileAtomically(DraftFilePath(section), content);
}

} // namespace ixo
