#!/usr/bin/env bash
# A sound output for the tests: a PulseAudio server with a null sink, so the media player and the
# speech engine really play (into nothing) on a machine without a sound card. Leaves a running
# server alone; says plainly when none could be started (the tests that need one then report
# themselves skipped).
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=quiet" --load="module-native-protocol-unix" \
    >/dev/null 2>&1 || true
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    pactl info >/dev/null 2>&1 && break
    sleep 0.5
  done
fi
if pactl info >/dev/null 2>&1; then
  echo "Sound output: $(pactl get-default-sink 2>/dev/null || echo PulseAudio)"
else
  echo "Sound output: none could be started; the read-aloud tests that need one are skipped"
fi
