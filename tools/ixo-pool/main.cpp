// ixo-pool: exports, imports and checks the topic pool files (issue.dat, argue.dat).

#include "data/atomic_file.h"
#include "data/code_page.h"
#include "data/pool_file.h"
#include "data/topic_pool.h"
#include "data/topic_source.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <optional>

using namespace ixo;

namespace {

enum ExitStatus { Success = 0, InvalidData = 1, UsageOrFileError = 2 };

const char *const UsageText =
    "Usage: ixo-pool [--code-page CP] COMMAND issue|argument FILE...\n"
    "\n"
    "Commands:\n"
    "  export issue|argument POOL.dat          print the topic source of every topic in the pool\n"
    "  import issue|argument SOURCE POOL.dat   build the pool file from a topic source; nothing is\n"
    "                                          written unless the whole source is valid\n"
    "  check issue|argument POOL.dat           check every record of the pool file and name the\n"
    "                                          damaged ones\n"
    "\n"
    "Options:\n"
    "  --code-page 1252|936|950|932|949        code page of the texts in the pool (default 1252)\n"
    "  -h, --help                              show this help\n"
    "\n"
    "Topic sources are UTF-8 text: comment lines starting with '#', then one block per topic,\n"
    "'== N sort S' (issue) or '== N' (argument) followed by the text, blocks numbered 1, 2, 3 ...\n"
    "\n"
    "Exit status: 0 success; 1 invalid data (damage found, source refused, a topic the source\n"
    "cannot hold as it is); 2 usage error or a file that cannot be read or written.\n";

void printError(const QString &message)
{
    const QByteArray line = QStringLiteral("ixo-pool: %1\n").arg(message).toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
}

bool printOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

int usageError(const QString &message)
{
    printError(message + QStringLiteral(" (see ixo-pool --help)"));
    return UsageOrFileError;
}

std::optional<CodePage> codePageFromNumber(const QString &number)
{
    if (number == u"1252")
        return CodePage::Windows1252;
    if (number == u"936")
        return CodePage::Gbk;
    if (number == u"950")
        return CodePage::Big5;
    if (number == u"932")
        return CodePage::ShiftJis;
    if (number == u"949")
        return CodePage::Korean949;
    return std::nullopt;
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

void reportPoolProblems(const QString &path, const QList<PoolProblem> &problems)
{
    for (const PoolProblem &problem : problems)
        printError(QStringLiteral("%1: record %2: %3").arg(path).arg(problem.record).arg(problem.message));
}

int poolSize(PoolKind kind)
{
    return kind == PoolKind::Issue ? IssuePoolSize : ArgumentPoolSize;
}

int exportPool(PoolKind kind, const QString &poolPath, CodePage page)
{
    const std::optional<QByteArray> file = readFile(poolPath);
    if (!file)
        return UsageOrFileError;
    const QList<TopicRecord> topics = ReadPoolTopics(kind, *file, page);
    if (!printOut(WriteTopicSource(kind, topics))) {
        printError(QStringLiteral("cannot write the source to the standard output"));
        return UsageOrFileError;
    }
    const QList<PoolProblem> problems = SourceExportProblems(kind, *file, page);
    reportPoolProblems(poolPath, problems);
    if (!problems.isEmpty()) {
        printError(QStringLiteral("%1: %2 topics will not import back unchanged").arg(poolPath).arg(problems.size()));
        return InvalidData;
    }
    return Success;
}

int importPool(PoolKind kind, const QString &sourcePath, const QString &poolPath, CodePage page)
{
    const std::optional<QByteArray> source = readFile(sourcePath);
    if (!source)
        return UsageOrFileError;
    const ParsedTopicSource parsed = ParseTopicSource(kind, *source, page);
    if (!parsed.problems.isEmpty()) {
        for (const SourceProblem &problem : parsed.problems) {
            if (problem.line > 0)
                printError(QStringLiteral("%1:%2: %3").arg(sourcePath).arg(problem.line).arg(problem.message));
            else
                printError(QStringLiteral("%1: %2").arg(sourcePath, problem.message));
        }
        printError(QStringLiteral("%1: refused; %2 was not written").arg(sourcePath, poolPath));
        return InvalidData;
    }
    if (const auto error = WriteFileAtomically(poolPath, BuildPoolFile(kind, parsed.topics, page))) {
        printError(QStringLiteral("cannot write %1: %2").arg(poolPath, *error));
        return UsageOrFileError;
    }
    printOut(QStringLiteral("%1: %2 topics written\n").arg(poolPath).arg(parsed.topics.size()).toLocal8Bit());
    return Success;
}

int checkPool(PoolKind kind, const QString &poolPath, CodePage page)
{
    const std::optional<QByteArray> file = readFile(poolPath);
    if (!file)
        return UsageOrFileError;
    const QList<PoolProblem> problems = CheckPoolFile(kind, *file, page);
    reportPoolProblems(poolPath, problems);
    const qsizetype records = (file->size() + RecordLength(kind) - 1) / RecordLength(kind);
    if (!problems.isEmpty()) {
        printError(QStringLiteral("%1: %2 problems in %3 records").arg(poolPath).arg(problems.size()).arg(records));
        return InvalidData;
    }
    if (records < poolSize(kind))
        printError(QStringLiteral("%1: note: %2 topics, fewer than the %3 a practice test draws from")
                       .arg(poolPath)
                       .arg(records)
                       .arg(poolSize(kind)));
    printOut(QStringLiteral("%1: %2 records, no damage found\n").arg(poolPath).arg(records).toLocal8Bit());
    return Success;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CodePage page = CodePage::Windows1252;
    QStringList positional;
    const QStringList args = app.arguments().mid(1);
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-") {
            positional << arg;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"-h" || arg == u"--help") {
            printOut(UsageText);
            return Success;
        } else if (arg == u"--code-page" || arg.startsWith(QLatin1String("--code-page="))) {
            QString value;
            if (arg.contains(u'='))
                value = arg.section(u'=', 1);
            else if (i + 1 < args.size())
                value = args.at(++i);
            else
                return usageError(QStringLiteral("--code-page needs a value: 1252, 936, 950, 932 or 949"));
            const std::optional<CodePage> chosen = codePageFromNumber(value);
            if (!chosen)
                return usageError(QStringLiteral("unknown code page '%1'; use 1252, 936, 950, 932 or 949").arg(value));
            page = *chosen;
        } else {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }

    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString command = positional.takeFirst();
    const int files = command == u"import" ? 2 : 1;
    if (command != u"export" && command != u"import" && command != u"check")
        return usageError(QStringLiteral("unknown command '%1'; use export, import or check").arg(command));
    if (positional.isEmpty())
        return usageError(QStringLiteral("%1 needs the pool kind, issue or argument").arg(command));
    const QString kindName = positional.takeFirst();
    if (kindName != u"issue" && kindName != u"argument")
        return usageError(QStringLiteral("unknown pool kind '%1'; use issue or argument").arg(kindName));
    const PoolKind kind = kindName == u"issue" ? PoolKind::Issue : PoolKind::Argument;
    if (positional.size() != files)
        return usageError(command == u"import" ? QStringLiteral("import needs a SOURCE and a POOL file")
                                               : QStringLiteral("%1 needs one POOL file").arg(command));

    if (command == u"export")
        return exportPool(kind, positional.at(0), page);
    if (command == u"import")
        return importPool(kind, positional.at(0), positional.at(1), page);
    return checkPool(kind, positional.at(0), page);
}
