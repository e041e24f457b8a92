#ifndef TANDREL_RESOURCES_VERSION_H
#define TANDREL_RESOURCES_VERSION_H

#define TANDREL_VERSION_MAJOR 2
#define TANDREL_VERSION_MINOR 1
#define TANDREL_VERSION_PATCH 2
#define TANDREL_VERSION_BUILD 151

// The product version names the release, not the build, hence its last field 0.
// Stringizing keeps the spaces between the fields, and the texts must read "2,1,2,151" with none:
// clang-format would put one after each comma.
// clang-format off
#define TANDREL_FILE_VERSION \
    TANDREL_VERSION_MAJOR,TANDREL_VERSION_MINOR,TANDREL_VERSION_PATCH,TANDREL_VERSION_BUILD
#define TANDREL_PRODUCT_VERSION TANDREL_VERSION_MAJOR,TANDREL_VERSION_MINOR,TANDREL_VERSION_PATCH,0
// clang-format on

// One literal each, made by stringizing the whole list, because resource compilers do not join
// adjacent string literals.
#define TANDREL_QUOTE_LIST(...) #__VA_ARGS__
#define TANDREL_QUOTE(...) TANDREL_QUOTE_LIST(__VA_ARGS__)
#define TANDREL_FILE_VERSION_STR TANDREL_QUOTE(TANDREL_FILE_VERSION)
#define TANDREL_PRODUCT_VERSION_STR TANDREL_QUOTE(TANDREL_PRODUCT_VERSION)

#endif
