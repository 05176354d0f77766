#include "frontend/custom_page_layout.h"

namespace dk {

// Both columns skip the row at y = 0.45.
const std::array<KeyBindItemLayout, 14> kMovementKeyBindItems{{
    {17, "A_FWD_PC", 0.1f, 0.25f},
    {18, "A_BACK_PC", 0.1f, 0.3f},
    {19, "A_STRFL_PC", 0.1f, 0.35f},
    {20, "A_STRFR_PC", 0.1f, 0.4f},
    {21, "A_PEEKL_PC", 0.1f, 0.5f},
    {22, "A_PEEKR_PC", 0.1f, 0.55f},
    {2, "A_LKBK_PC", 0.1f, 0.6f},
    {12, "grapple", 0.52f, 0.25f},
    {29, "A_RUN_PC", 0.52f, 0.3f},
    {45, "A_CRAWL_PC", 0.52f, 0.35f},
    {46, "crouch", 0.52f, 0.4f},
    {28, "A_SNEAK_PC", 0.52f, 0.5f},
    {1, "A_WALLH_PC", 0.52f, 0.55f},
    {11, "A_CLIMB_PC", 0.52f, 0.6f},
}};

const std::array<KeyBindItemLayout, 19> kActionKeyBindItems{{
    {7, "fire/hard punch", 0.1f, 0.25f},
    {3, "A_RLOAD_PC", 0.1f, 0.3f},
    {9, "A_FIREW_PC", 0.1f, 0.35f},
    {53, "A_EXECU_PC", 0.1f, 0.4f},
    {0, "USE", 0.1f, 0.5f},
    {39, "A_INV1_PC", 0.1f, 0.55f},
    {40, "A_INV2_PC", 0.1f, 0.6f},
    {41, "A_INV3_PC", 0.1f, 0.65f},
    {42, "A_INV4_PC", 0.1f, 0.7f},
    {24, "A_MENU_PC", 0.52f, 0.25f},
    {4, "A_PICUP_PC", 0.52f, 0.3f},
    {5, "A_DROP_PC", 0.52f, 0.35f},
    {14, "A_BLOCK_PC", 0.52f, 0.4f},
    {25, "A_ZMIN_PC", 0.52f, 0.5f},
    {26, "A_ZMOUT_PC", 0.52f, 0.55f},
    {31, "A_GUNAM_PC", 0.52f, 0.6f},
    {32, "A_TARGT_PC", 0.52f, 0.65f},
    {38, "A_FP_PC", 0.52f, 0.7f},
    {48, "toggle torch", 0.52f, 0.75f},
}};

const CustomPageLayout kMovementPageLayout{kMovementPageName, "MOVMAP_T", kMovementKeyBindItems};
const CustomPageLayout kActionPageLayout{kActionPageName, "ACTMAP_T", kActionKeyBindItems};

}  // namespace dk
