#include "app/random.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace ixo {

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator g(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    return g;
}
QList<double> &script()
{
    static QList<double> values;
    return values;
}
} // namespace

void ReseedRandomFromClock()
{
    // Mix in the generator's own state so that two reseeds in the same millisecond still differ.
    generator().seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()) ^ generator().generate());
}

double NextRandom()
{
    if (!script().isEmpty())
        return script().takeFirst();
    return generator().generateDouble();
}

int DrawTopicNumber(int poolSize)
{
    const int n = static_cast<int>(NextRandom() * poolSize) + 1;
    return std::clamp(n, 1, poolSize);
}

void ScriptRandomForTesting(const QList<double> &values)
{
    script() = values;
}

} // namespace ixo
