#pragma once

#include <QList>

namespace ixo {

// The one random generator of the program. Draws are uniform in [0, 1).
void ReseedRandomFromClock();
double NextRandom();
// A draw of a topic number 1..poolSize: whole part of r * poolSize, plus 1.
int DrawTopicNumber(int poolSize);

// Test seam: the next draws return these values in order, then the generator takes over again.
void ScriptRandomForTesting(const QList<double> &values);

} // namespace ixo
