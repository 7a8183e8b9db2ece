# Writes a goal tree file of N goals whose flags are FLAGS (for example 0x2081: the "height
# measured" bit, which the program clears when it writes the file, so that every close rewrites it).
import struct, sys
n = int(sys.argv[1]); flags = int(sys.argv[2], 0)
def text(s): b = s.encode(); return struct.pack('<i', len(b)) + b
out = bytearray(bytes.fromhex('452056005400020020004620') + struct.pack('<I', n))
for i in range(n):
    record = text('goal %d' % i) + text('') + text('') + struct.pack('<iii', 0, 0, 3)
    base = struct.pack('<IIHBBBI', 0, 20, flags, 50, 0, 0, 0)
    body = struct.pack('<ii', 2, len(base)) + base + struct.pack('<ii', 4, len(record)) + record
    out += struct.pack('<ii', 1, len(body)) + body
sys.stdout.buffer.write(out)
