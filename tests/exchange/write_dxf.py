"""Writes one DXF file per version with every entity kind the import reads, and beside each
a list of values the peer library computes for it (`<file>.expect`: key and numbers per line).

usage: write_dxf.py <folder>
"""
import math
import os
import sys

import ezdxf

VERSIONS = ["R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"]


def build(version, folder):
    doc = ezdxf.new(version, setup=True)
    doc.header["$DIMLUNIT"] = 4
    doc.header["$DIMAUNIT"] = 3
    doc.layers.add("WALLS", color=1)
    hidden = doc.layers.add("HIDDEN", color=3)
    hidden.off()
    msp = doc.modelspace()
    expect = []

    msp.add_line((1, 2), (30, 40), dxfattribs={"layer": "WALLS", "color": 3})
    msp.add_line((0, 0), (5, 5), dxfattribs={"linetype": "DASHED"})
    msp.add_point((5, 6))
    msp.add_circle((10, 10), 5)
    mc = msp.add_circle((5, 1), 2, dxfattribs={"extrusion": (0, 0, -1)})
    c = mc.ocs().to_wcs(mc.dxf.center)
    expect.append(("circle_mirrored", c.x, c.y, 2))
    msp.add_arc((0, 0), 10, 350, 10)
    ma = msp.add_arc((4, 1), 3, 10, 80, dxfattribs={"extrusion": (0, 0, -1)})
    # Seen from +Z the arc runs counter-clockwise from the DXF end point to its start point.
    expect.append(("arc_mirrored", ma.end_point.x, ma.end_point.y, ma.start_point.x, ma.start_point.y))

    pl = msp.add_polyline2d([(0, 0), (10, 0), (10, 10)], close=True, dxfattribs={"layer": "WALLS", "color": 2})
    for v in pl.vertices:
        v.dxf.layer = "0"
        v.dxf.color = 5
    msp.add_polyline3d([(0, 0, 0), (1, 1, 1), (2, 0, 3)])
    msp.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)], dxfattribs={"color": 4})
    msp.add_text("Note %%d", dxfattribs={"insert": (7, 8), "height": 2.5, "rotation": 90, "layer": "WALLS"})
    msp.add_text("off", dxfattribs={"insert": (1, 1), "layer": "HIDDEN"})
    doc.layout("Layout1").add_line((0, 0), (1, 1))

    later_name = "LATER"
    box = doc.blocks.new("BOX", base_point=(10, 5))
    box.add_line((10, 5), (20, 5))
    box.add_blockref(later_name, (10, 5))
    later = doc.blocks.new(later_name)
    later.add_circle((0, 0), 1)
    msp.add_blockref("BOX", (100, 100), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 90})

    d = msp.add_linear_dim(base=(100, 20), p1=(0, 0), p2=(100, 0), override={"dimasz": 2.5})
    d.render()
    msp.add_radius_dim(center=(200, 0), radius=5, angle=0).render()
    msp.add_diameter_dim(center=(300, 0), radius=4, angle=0).render()

    if version != "R12":
        msp.add_lwpolyline([(0, 0), (10, 0), (10, 10)], format="xy", close=True)
        msp.add_lwpolyline([(0, 0, 1), (2, 0, 0)], format="xyb")
        msp.add_ellipse((50, 50), major_axis=(10, 0), ratio=0.5)
        msp.add_ellipse((60, 50), major_axis=(0, 5), ratio=0.5, start_param=0, end_param=math.pi / 2)
        mt = msp.add_mtext("{\\fArial|b1;Hello} world;x\\Pline2", dxfattribs={"insert": (10, 20), "char_height": 2.5})
        mt.dxf.attachment_point = 1

    path = os.path.join(folder, f"all_{version}.dxf")
    doc.saveas(path)
    with open(path + ".expect", "w") as f:
        for row in expect:
            f.write(" ".join(str(v) for v in row) + "\n")


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for v in VERSIONS:
        build(v, folder)


if __name__ == "__main__":
    main()
