#include "engine/FastEvaluator.h"

namespace vel {

HandKey KeyOf(const Hand& hand)
{
    HandKey key = 0;
    for (Card card : hand)
        key += CardKey(card);
    return key;
}

} // namespace vel
