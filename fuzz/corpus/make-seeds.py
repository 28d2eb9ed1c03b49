#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed inputs of the fuzz targets into the folders beside this
script: plausible records as a controller holds them, the extremes, and
profile files that are too short, exact and too long."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def pad(record):
    assert len(record) <= 64
    return record + bytes(64 - len(record))


effects = pad(struct.pack('<HHHBBBBbBBB', 900, 0, 50, 100, 0, 5, 100, -1, 100, 100, 100))
effects_other = pad(struct.pack('<HHHBBBBbBBB', 1080, 250, 300, 80, 30, 10, 60, 1, 50, 70, 20))
hardware = pad(struct.pack('<HHBBBBBBBBBBbbB', 4096, 60, 20, 1, 0, 2, 40, 100, 80, 50, 0, 8, -1, -1, 7))
gpio = pad(bytes([1]) + bytes([2, 2, 1, 3, 4, 5, 6, 8, 7, 10]) + bytes([1, 2] * 16) + bytes([2, 1, 5, 7]))
gpio_other = pad(bytes([0]) + bytes([1, 0, 0, 0, 0, 0, 0, 9, 0, 0]) + bytes([1] * 32) + bytes([0, 0, 1, 1]))
adc = pad(struct.pack('<3H3H3B3B3B3B', 100, 200, 300, 4000, 4001, 4002, 5, 6, 7, 10, 20, 30, 90, 80, 70, 1, 0, 1))
adc_other = pad(struct.pack('<3H3H3B3B3B3B', 0, 0, 0, 32767, 32767, 32767, 0, 0, 0, 0, 0, 0, 100, 100, 100, 0, 0, 0))
ones = bytes([0xFF] * 64)
zeros = bytes(64)

seeds = {
    'fuzz_controller_records': {
        'effects-default-then-other': bytes([0]) + effects + effects_other,
        'effects-extremes': bytes([0]) + zeros + ones,
        'hardware-default-then-extremes': bytes([1]) + hardware + ones,
        'gpio-all-modes-then-other': bytes([2]) + gpio + gpio_other,
        'gpio-extremes': bytes([2]) + zeros + ones,
        'adc-values-then-other': bytes([3]) + adc + adc_other,
        'adc-extremes': bytes([3]) + ones + zeros,
        'selector-only': bytes([2]),
    },
    'fuzz_effects_profile': {
        'empty': b'',
        'one-short': effects[:63],
        'exact': effects,
        'extremes': ones,
        'long': effects_other + bytes(range(256)),
    },
    'fuzz_periphery_profile': {
        'empty': b'',
        'one-short': (adc + gpio)[:127],
        'exact': adc + gpio,
        'other': adc_other + gpio_other,
        'extremes': ones + ones,
        'long': adc + gpio + bytes(range(256)) * 4,
    },
}


def manifest(wheel):
    import json
    return json.dumps({'wheel': wheel}).encode()


seeds['fuzz_manifest'] = {
    'newer-release': manifest({'release_type': 'R', 'release_major': 25, 'release_minor': 0, 'release_patch': 1}),
    'own-version': manifest({'release_type': 'RC', 'release_major': 24, 'release_minor': 1, 'release_patch': 4}),
    'newer-candidate': manifest({'release_type': 'RC', 'release_major': 24, 'release_minor': 1, 'release_patch': 5}),
    'older': manifest({'release_type': 'R', 'release_major': 23, 'release_minor': 9, 'release_patch': 9}),
    'huge-numbers': b'{"wheel":{"release_type":"R","release_major":1e300,"release_minor":-1e300,"release_patch":4294967296}}',
    'fractions': b'{"wheel":{"release_type":"R","release_major":25.9,"release_minor":-0.5,"release_patch":0.0}}',
    'wrong-types': b'{"wheel":{"release_type":25,"release_major":"25","release_minor":null,"release_patch":[1]}}',
    'markdown-type': b'{"wheel":{"release_type":"R](http://x)![i](y","release_major":99,"release_minor":0,"release_patch":0}}',
    'no-wheel': b'{"firmware":{"release_type":"R","release_major":25}}',
    'array-root': b'[{"wheel":{"release_type":"R","release_major":25}}]',
    'truncated': b'{"wheel":{"release_type":"R","release_ma',
    'empty': b'',
}

effects_text = b"""# Vellox Wheel Setup settings: effects
# firmware: RC.24.1.4
effects.invert_constant_force = off
effects.direct_x_constant_strength = 50
effects.direct_x_spring_strength = 100
effects.direct_x_periodic_strength = 25
effects.motion_range = 900
effects.total_effect_scale = 80
effects.integrated_spring = 10
effects.soft_stop_strength = 60
effects.soft_stop_range = 5
effects.soft_stop_dampening = 30
effects.static_dampening = 20
"""
periphery_text = b"""# Vellox Wheel Setup settings: periphery
# firmware: RC.24.1.4
adc.rx.invert = on
adc.rx.button_low = 10
adc.ry.lower_dead_zone = 300
adc.rz.upper_dead_zone = 32767
adc.rz.smoothing = 7
gpio.spi_extension_mode = Custom
gpio.spi_mode = Mode 2
gpio.latch_mode = Latch DOWN
gpio.spi_latch_delay = 4
gpio.spi_pulse_length = 10
gpio.pin1.mode = Analog
gpio.pin8.mode = Braking PWM
gpio.encoder_z0.mode = Reset center button
# gpio.pin2.mode = 200  # not offered here; left as it is
gpio.button1.mode = Normal
gpio.button32.mode = Inverted
"""
all_text = b"""# Vellox Wheel Setup settings: all
# firmware: R.25.0.1
effects.motion_range = 1080
hardware.force_enable = on
hardware.amplifier_gain = 40V/V
hardware.encoder_direction = off
hardware.encoder_cpr = 65535
hardware.speed_sample_buffer_size = 2
gpio.button9.mode = 2
"""
seeds['fuzz_settings_text'] = {
    'effects': effects_text,
    'periphery': periphery_text,
    'all': all_text,
    'crlf-bom-blanks': b'\xef\xbb\xbf' + periphery_text.replace(b'\n', b'  \r\n').replace(b' = ', b'=\t'),
    'duplicate': effects_text + b'effects.motion_range = 540\n',
    'out-of-range': effects_text.replace(b'= 900', b'= 10000'),
    'not-offered': periphery_text.replace(b'pin1.mode = Analog', b'pin1.mode = Braking PWM'),
    'wrong-record': effects_text + b'hardware.p_gain = 5\n',
    'not-utf8': effects_text.replace(b'# firmware', b'# \xff firmware'),
    'no-header': effects_text.split(b'\n', 1)[1],
    'blank-before-header': b'\xef\xbb\xbf\x0b' + periphery_text,
    'empty': b'',
}


def instance_message(kind, payload):
    return bytes([kind]) + struct.pack('>I', len(payload)) + payload


records = effects + hardware + adc + gpio
seeds['fuzz_instance_request'] = {
    'apply': instance_message(0, b'{"protocol":2,"command":"apply","options":{"profile":["effects:Rally"],"set":["hardware.p_gain=30"]},"words":[],"wrapped":[],"directory":"/home/u"}'),
    'wrapper': instance_message(0, b'{"protocol":2,"command":"apply","options":{"profile":["effects:Rally"]},"words":[],"wrapped":["sh","-c","exit 3"],"directory":"/tmp","wrapper":4242,"wrapper_ended":false}'),
    'restore': instance_message(0, b'{"protocol":2,"command":"window","options":{"wait":["1"]},"words":[],"wrapped":[],"directory":"/","restore":"' + __import__('base64').b64encode(records) + b'"}'),
    'restore-short': instance_message(0, b'{"protocol":2,"command":"window","options":{},"words":[],"wrapped":[],"directory":"/","restore":"AAAA"}'),
    'game-rule': instance_message(0, b'{"protocol":2,"command":"game-rule","options":{"game-rule":["add"]},"words":["race.exe","effects:E"],"wrapped":[],"directory":"/"}'),
    'relative-directory': instance_message(0, b'{"protocol":2,"command":"show","options":{"show":[]},"words":[],"wrapped":[],"directory":"home"}'),
    'wrong-types': instance_message(0, b'{"protocol":2,"command":7,"options":[],"directory":7}'),
    'extra-key': instance_message(0, b'{"protocol":2,"command":"window","options":{},"words":[],"wrapped":[],"directory":"/","run":"rm"}'),
    'older-protocol': instance_message(0, b'{"arguments":["--show"],"directory":"/"}'),
    'newer-protocol': instance_message(0, b'{"protocol":3,"anything":true}'),
    'flood-after-request': instance_message(0, b'{"protocol":2,"command":"list","options":{"list":[]},"words":[],"wrapped":[],"directory":"/"}') + b'x' * 4096,
    'length-too-large': bytes([0]) + struct.pack('>I', 0xFFFFFFFF) + b'{}',
    'truncated': instance_message(0, b'{"protocol":2,"command":"li')[:-3],
    'answer': instance_message(1, b'{"out":"aGVsbG8K","err":"","status":0}'),
    'answer-bad-status': instance_message(1, b'{"out":"","err":"","status":-1}'),
}


def wheel_node(motion_range, axes, keys, events):
    """A joystick node as fuzz_wheel_events reads it: axes as (code, min, max,
    fuzz, flat, value), keys as (code, down), events as (type, code, value)."""
    out = struct.pack('<HB', motion_range, len(axes))
    for axis in axes:
        out += struct.pack('<Biiiii', *axis)
    out += struct.pack('<H', len(keys))
    for code, down in keys:
        out += struct.pack('<HB', code, down)
    for event in events:
        out += struct.pack('<HHi', *event)
    return out


def driver_axis(code, minimum, maximum):
    span = maximum - minimum
    return (code, minimum, maximum, span >> 8, span >> 4, (minimum + maximum) // 2)


wheel_axes = [driver_axis(0, -32767, 32767), driver_axis(1, 0, 4095), driver_axis(2, 0, 4095),
              driver_axis(5, 0, 4095), (0x10, -1, 1, 0, 0, 0), (0x11, -1, 1, 0, 0, 0)]
wheel_keys = [(0x120 + i, 0) for i in range(16)] + [(0x2c0 + i, 0) for i in range(16)]
SYN, KEY, ABS = 0, 1, 3
seeds['fuzz_wheel_events'] = {
    'wheel-turning': wheel_node(900, wheel_axes, wheel_keys,
                                [(ABS, 0, 32767), (ABS, 2, 4095), (KEY, 0x123, 1), (ABS, 0x11, -1), (SYN, 0, 0),
                                 (ABS, 0, -32767), (KEY, 0x123, 0), (SYN, 0, 0)]),
    'no-steering-flat-axis': wheel_node(540, [(1, 100, 100, 0, 0, 100), (8, 5, -5, 0, 0, 7)], [(0x100, 1)],
                                        [(ABS, 1, 2**31 - 1), (SYN, 0, 0), (SYN, 3, 0)]),
    'extreme-ranges': wheel_node(65535, [(0, -2**31, 2**31 - 1, 0, 0, -2**31), (0x2f, 0, 1, 0, 0, 0),
                                         (0x3f, 0, 10, 0, 0, 5), (0x40, 0, 10, 0, 0, 5), (0, 0, 1, 0, 0, 0)],
                                 [(0x2ff, 1), (0x300, 1), (0xffff, 1)],
                                 [(ABS, 0, 2**31 - 1), (ABS, 0x3f, -1), (KEY, 0x2ff, 0), (SYN, 0, 0)]),
    'many-buttons': wheel_node(900, [driver_axis(0, 0, 65535)], [(0x100 + i, i % 2) for i in range(400)],
                               [(KEY, 0x100 + i, 1) for i in range(300)] + [(SYN, 0, 0)]),
}

for target, files in seeds.items():
    folder = os.path.join(here, target)
    os.makedirs(folder, exist_ok=True)
    for name, content in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(content)
