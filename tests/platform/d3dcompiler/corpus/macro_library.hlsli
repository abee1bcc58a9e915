// Included by the preprocessor cases whose calls name macros another file
// defines.
#define LIB_ADD(a, b) ((a) + (b))
#define LIB_TWICE(x) ((x) * 2)
#define LIB_NAME_OF(x) #x
#define LIB_JOIN(a, b) a##b
