/* Resource identifiers shared by taverel.rc and the code (plain C macros:
   the resource compiler reads this file too). */
#pragma once

#define IDI_TAVEREL 1
