// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/deviceaccess.h"

#include <cerrno>

#include <unistd.h>

bool deviceNodeAccessDenied(const char *path, int openError)
{
    if (openError == EACCES || openError == EPERM)
        return true;
    if (!path || ::access(path, R_OK | W_OK) == 0)
        return false;
    return errno == EACCES || errno == EPERM;
}
