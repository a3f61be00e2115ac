/* The program's version, the one place that holds it: the About dialog shows it and
   the version resource carries it to the file's properties. Read by the resource
   script, the code and scripts/package.sh. */
#ifndef QUAREL_VERSION_H
#define QUAREL_VERSION_H

#define QUAREL_VERSION_MAJOR 1
#define QUAREL_VERSION_MINOR 0
#define QUAREL_VERSION_PATCH 0
#define QUAREL_VERSION_BUILD 2

#define QUAREL_VERSION_NUMBERS QUAREL_VERSION_MAJOR, QUAREL_VERSION_MINOR, QUAREL_VERSION_PATCH, QUAREL_VERSION_BUILD
#define QUAREL_STRINGIFY_(tokens) #tokens
#define QUAREL_STRINGIFY(tokens) QUAREL_STRINGIFY_(tokens)
/* "1.0.0.2" */
#define QUAREL_VERSION_TEXT \
    QUAREL_STRINGIFY(QUAREL_VERSION_MAJOR.QUAREL_VERSION_MINOR.QUAREL_VERSION_PATCH.QUAREL_VERSION_BUILD)

#endif
