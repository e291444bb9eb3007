# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Walks right for a few heartbeats, then answers with what is no key.
read -r line
echo +right
for heartbeat in 1 2 3; do
    read -r line
    echo
done
read -r line
echo walk right please
