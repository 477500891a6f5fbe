#pragma once
// View entries and table rows as standard strings, so that a failed comparison prints
// them as text.

#include <QByteArray>
#include <QList>

#include <string>
#include <vector>

namespace fennick::test {

inline std::vector<std::string> Strings(const QList<QByteArray>& list) {
    std::vector<std::string> out;
    out.reserve(size_t(list.size()));
    for (const QByteArray& b : list) out.push_back(b.toStdString());
    return out;
}

}  // namespace fennick::test
