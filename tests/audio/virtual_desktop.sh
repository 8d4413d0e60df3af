# Sourced by the measuring scripts: a scratch home, a virtual display and a sound
# server with a null sink, all stopped and removed when the script exits. Sets
# `work` (the scratch folder) and `started` (add a process to stop it at the end).
work=$(mktemp -d /tmp/zelvo-desktop.XXXXXX)
export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_DATA_HOME=$work/data
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$XDG_DATA_HOME/zelvo/Dati"
chmod 700 "$XDG_RUNTIME_DIR"
started=()
finish() {
    # Last started first: the game goes before its display and its sound server.
    for ((i = ${#started[@]} - 1; i >= 0; --i)); do kill "${started[i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT

display=:$((90 + RANDOM % 200))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
export DISPLAY=$display
pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
    --load="module-native-protocol-unix" --log-target=file:"$work/pulse.log" &
started+=($!)
sleep 2

# Starts the game ($zelvo) and gets it past the title window with the remembered name;
# sets `game` to its process.
start_game() {
    "$zelvo" >/dev/null 2>&1 &
    game=$!
    started+=($game)
    timeout 20 xdotool search --sync --name '^Zelvo' >/dev/null
    sleep 2
    xdotool mousemove 390 382 click 1
    sleep 0.3
    xdotool key Return
}
