/* The machine's limit for the execute phase: renames a list of paths with one
 * renameat2(RENAME_NOREPLACE) call each and nothing else. The list is what
 * norvane-cli's dry run wrote with -f tsv (Existing Filename, New Filename,
 * Status, Folder); every file row with a New Filename is one rename. The list
 * is read and taken apart before the first rename, so the loop itself only
 * calls the kernel.
 *
 * Usage: norvane-bench-renameloop LIST.tsv
 * Prints the number of renames and of failures, and the loop's own time. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

/* Undoes the escapes of norvane-cli's tsv fields (\t \n \r \\) in place. */
static void unescape(char* field) {
    char* out = field;
    for (const char* in = field; *in; ++in) {
        if (*in == '\\' && in[1]) {
            ++in;
            *out++ = *in == 't' ? '\t' : *in == 'n' ? '\n' : *in == 'r' ? '\r' : *in;
        } else {
            *out++ = *in;
        }
    }
    *out = '\0';
}

static char* join(const char* folder, const char* name) {
    const size_t length = strlen(folder);
    const int slash = length > 0 && folder[length - 1] == '/';
    char* path = malloc(length + strlen(name) + 2);
    if (path)
        sprintf(path, slash ? "%s%s" : "%s/%s", folder, name);
    return path;
}

static double seconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s LIST.tsv\n", argv[0]);
        return 2;
    }
    FILE* list = fopen(argv[1], "r");
    if (!list) {
        perror(argv[1]);
        return 1;
    }
    size_t capacity = 1024, count = 0;
    char** paths = malloc(capacity * 2 * sizeof *paths);
    char* line = NULL;
    size_t lineSize = 0;
    ssize_t length;
    while (paths && (length = getline(&line, &lineSize, list)) > 0) {
        if (line[length - 1] == '\n')
            line[length - 1] = '\0';
        char* fields[4] = {line, NULL, NULL, NULL};
        for (int f = 1; f < 4; ++f) {
            char* tab = fields[f - 1] ? strchr(fields[f - 1], '\t') : NULL;
            if (tab) {
                *tab = '\0';
                fields[f] = tab + 1;
            }
        }
        /* Folder rows have no folder; rows without a proposal are not renamed. */
        if (!fields[3] || !*fields[3] || !*fields[1])
            continue;
        for (int f = 0; f < 4; ++f)
            unescape(fields[f]);
        if (count == capacity) {
            capacity *= 2;
            char** grown = realloc(paths, capacity * 2 * sizeof *paths);
            if (!grown)
                break;
            paths = grown;
        }
        paths[2 * count] = join(fields[3], fields[0]);
        paths[2 * count + 1] = join(fields[3], fields[1]);
        if (!paths[2 * count] || !paths[2 * count + 1])
            break;
        ++count;
    }
    free(line);
    fclose(list);
    if (!paths) {
        fprintf(stderr, "out of memory\n");
        return 1;
    }

    const double start = seconds();
    size_t failed = 0;
    for (size_t i = 0; i < count; ++i) {
        if (renameat2(AT_FDCWD, paths[2 * i], AT_FDCWD, paths[2 * i + 1], RENAME_NOREPLACE) != 0)
            ++failed;
    }
    const double loop = seconds() - start;
    fprintf(stderr, "%zu renames, %zu failed, loop %.3f s\n", count, failed, loop);
    return failed == 0 ? 0 : 1;
}
