// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// True when a failed open of the controller's node is a permission problem:
// the open failed with EACCES or EPERM, or access() says this user may not
// read and write the node. Both are asked because errno after hid_open_path
// is only trustworthy if nothing inside hidapi touched it after the failed
// open(), and because root passes access() whatever the mode bits say. A node
// that has gone away (ENOENT) or an open that failed for another reason is
// not a permission problem.
bool deviceNodeAccessDenied(const char *path, int openError);
