#pragma once

#include <QString>

namespace ixo {

// How a directions screen pages through its tall picture with the scroll bar: the scroll bar's highest
// value, how far one value moves the picture, and the value from which the position label reads "End".
struct DirectionsPaging
{
    int max;
    int stepTwips;
    int endFrom;
};

inline constexpr DirectionsPaging GeneralDirectionsPaging{15, 500, 8};  // pro1
inline constexpr DirectionsPaging IssueDirectionsPaging{20, 350, 8};    // pro2
inline constexpr DirectionsPaging ArgumentDirectionsPaging{20, 400, 7}; // pro6

// What one scroll value shows.
struct PagePosition
{
    int pictureTopTwips = 0; // the picture's top relative to the viewport's top (0 or less)
    QString label;           // the position label: "Beginning", "More Available" or "End"
    bool atEnd = false;      // the candidate has paged to the end: Dismiss Directions may leave the directions
};

// The paging rule for scroll value `value` (taken within 0..max).
PagePosition PageDirections(const DirectionsPaging &paging, int value);

} // namespace ixo
