#include "data/ScopedCLocale.h"

ScopedCLocale::ScopedCLocale()
    : cLocale(newlocale(LC_ALL_MASK, "C", locale_t{})),
      // With no locale object, uselocale only reports the current one and changes nothing.
      previous(uselocale(cLocale))
{
}

ScopedCLocale::~ScopedCLocale()
{
    uselocale(previous);
    if (cLocale != locale_t{}) freelocale(cLocale);
}
