#pragma once

#include "merge/comparison.h"

#include <QColor>
#include <QIcon>

#include <array>

// The pictures of the four comparison marks, numbered from 1 like the marks:
// a green, a brown, a blue and a red dot.
class MarkPictures {
public:
    MarkPictures();

    // No picture for a number outside 1 to 4.
    QIcon picture(int index) const;

    static QColor colour(CompareMark mark);
    // The mark as a screen reader says it: "faster", "similar", "new", "slower".
    static QString name(CompareMark mark);

private:
    std::array<QIcon, 4> m_pictures;
};
