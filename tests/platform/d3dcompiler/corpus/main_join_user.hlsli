// Included by value_cpp_paste_number_from_including_file.hlsl, which defines
// MAIN_JOIN before including it.
static const float joined = MAIN_JOIN(2, 5);
