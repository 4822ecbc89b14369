#include "records/coordinates.h"

#include "engine/position/position.h"

std::string coordinata(uint32_t m, bool upperPromotion) {
  std::string c;
  c += static_cast<char>('a' + (mvFrom(m) & 7));
  c += static_cast<char>('1' + (mvFrom(m) >> 3));
  c += static_cast<char>('a' + (mvTo(m) & 7));
  c += static_cast<char>('1' + (mvTo(m) >> 3));
  char promo = 0;
  if (m & MV_PROMO_Q)
    promo = 'q';
  else if (m & MV_PROMO_N)
    promo = 'n';
  else if (m & MV_PROMO_R)
    promo = 'r';
  else if (m & MV_PROMO_B)
    promo = 'b';
  if (promo) c += upperPromotion ? static_cast<char>(promo - 'a' + 'A') : promo;
  return c;
}
