#pragma once

// Whole percentage of citatel / jmenovatel, rounded from the exact ratio with halves to the even
// neighbour: 23 of 40 is exactly 57.5 % and gives 58, 1 of 8 gives 12. Integer arithmetic only,
// so no binary fraction can tip a half either way. jmenovatel <= 0 gives 0.
int ProcentoZaokrouhlene(int citatel, int jmenovatel);
