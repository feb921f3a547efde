#pragma once
// Readable failures for canvas positions.

#include <QPoint>
#include <ostream>

inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
