// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_identity.h"

#include <unordered_set>

namespace quorvane {

void give_identities(std::vector<Element>& elements, quint64& next) {
    std::unordered_set<quint64> seen;
    seen.reserve(elements.size());
    for (Element& e : elements) {
        if (e.identity.value == 0 || !seen.insert(e.identity.value).second) {
            e.identity.value = next++;
            seen.insert(e.identity.value);
        }
    }
}

}  // namespace quorvane
