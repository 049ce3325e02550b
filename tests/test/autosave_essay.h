#pragma once

// What the autosave crash test runs: the known essay that the driver types into the Issue writing screen
// one piece at a time, and the section it types it in. Shared by the driver and the test that checks the
// files the driver leaves behind.

#include <QString>

namespace ixo::crashtest {

inline constexpr int TopicNo = 2;
inline const QString TopicText = QStringLiteral("Autosaves must outlive a crash \u2014 even a na\u00efve one.");

// A short section: it runs out every few saves, and the driver then opens a new writing screen that carries
// the essay on, so the time-out save is driven as well as the minute's save.
inline constexpr int SectionMinutes = 5;

// Piece n of the essay (from 0): a sentence with characters outside ASCII, followed by a space, a line break
// or an empty line.
inline QString EssayPiece(int n)
{
    QString piece = QStringLiteral("Sentence %1 asks whether a na\u00efve draft \u2014 \u201csaved\u201d or not "
                                   "\u2014 still counts; \u8bba\u8bc1 %1.")
                        .arg(n);
    if (n % 7 == 6)
        piece += QStringLiteral("\n\n");
    else if (n % 3 == 2)
        piece += QLatin1Char('\n');
    else
        piece += QLatin1Char(' ');
    return piece;
}

} // namespace ixo::crashtest
