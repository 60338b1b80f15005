# Reads a DXF file with ezdxf, audits it and prints what it holds, one tab-separated line
# per item: header variables, layers, blocks with their entities, model-space entities.
import sys

import ezdxf


def entity(prefix, e):
    t = e.dxftype()
    f = [prefix, t, e.dxf.get("layer", ""), str(e.dxf.get("color", 256)),
         e.dxf.get("linetype", "")]
    if t == "POINT":
        f += [repr(e.dxf.location[0]), repr(e.dxf.location[1])]
    elif t == "LINE":
        f += [repr(v) for v in (e.dxf.start[0], e.dxf.start[1], e.dxf.end[0], e.dxf.end[1])]
    elif t == "CIRCLE":
        f += [repr(e.dxf.center[0]), repr(e.dxf.center[1]), repr(e.dxf.radius)]
    elif t == "POLYLINE":
        pts = [v.dxf.location for v in e.vertices]
        f += ["1" if e.is_closed else "0", str(len(pts))]
        f += [repr(c) for p in pts for c in (p[0], p[1])]
    elif t == "TEXT":
        f += [repr(e.dxf.insert[0]), repr(e.dxf.insert[1]), repr(e.dxf.height),
              repr(e.dxf.rotation), e.dxf.style, e.dxf.text]
    elif t == "INSERT":
        f += [e.dxf.name, repr(e.dxf.insert[0]), repr(e.dxf.insert[1]), repr(e.dxf.xscale),
              repr(e.dxf.yscale), repr(e.dxf.rotation)]
    print("\t".join(f))


doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors\t%d\t%d" % (len(auditor.errors), len(auditor.fixes)))
for err in auditor.errors:
    print("error\t" + str(err.message))
print("version\t" + doc.dxfversion)
for name in ("$DIMLUNIT", "$DIMAUNIT", "$EXTMIN", "$EXTMAX"):
    if name in doc.header:
        v = doc.header[name]
        print("header\t" + name + "\t" + "\t".join(repr(c) for c in (v if isinstance(v, tuple) else (v,))))
for layer in doc.layers:
    print("layer\t%s\t%d\t%s" % (layer.dxf.name, layer.dxf.color, layer.dxf.linetype))
for block in doc.blocks:
    if block.name.lower() in ("*model_space", "*paper_space", "$model_space", "$paper_space"):
        continue
    print("block\t" + block.name)
    for e in block:
        entity("member", e)
for e in doc.modelspace():
    entity("entity", e)
