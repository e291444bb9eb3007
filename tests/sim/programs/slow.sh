# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Walks right for a few heartbeats, then takes five seconds to answer: far
# longer than the tests allow even a loaded machine.
read -r line
echo +right
for heartbeat in 1 2 3; do
    read -r line
    echo
done
read -r line
exec sleep 5
echo
