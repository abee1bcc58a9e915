// Included by value_gap_paste_number_in_included_macro.hlsl: a macro whose ##
// joins a number on its left.
#define GAP_JOIN(a, b) a##b
