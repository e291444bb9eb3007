# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Walks right for a few heartbeats, then takes a second to answer.
read -r line
echo +right
for heartbeat in 1 2 3; do
    read -r line
    echo
done
read -r line
sleep 1
echo
