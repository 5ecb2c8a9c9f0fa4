"""Measuring the tones the demo streams play, from mono 16-bit samples."""

import math


def goertzel_power(samples: list[int], frequency: float, rate: int) -> float:
    """The power of `samples` at `frequency`, for picking the strongest of a few known tones."""
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    previous = before = 0.0
    for sample in samples:
        previous, before = sample + coefficient * previous - before, previous
    return previous * previous + before * before - coefficient * previous * before


def zero_crossing_frequency(samples: list[int], rate: int) -> float:
    """The tone's frequency from its upward zero crossings, with hysteresis against noise."""
    threshold = max(abs(sample) for sample in samples) / 4
    crossings = []
    armed = False
    for index, sample in enumerate(samples):
        if sample < -threshold:
            armed = True
        elif armed and sample > threshold:
            crossings.append(index)
            armed = False
    if len(crossings) < 2:
        return 0.0
    return (len(crossings) - 1) * rate / (crossings[-1] - crossings[0])
