<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About zerkon</source>
        <translation>About zerkon</translation>
    </message>
    <message>
        <source>A program that builds a visual model of supersonic flow around an infinitely thin flat plate</source>
        <translation>A program that builds a visual model of supersonic flow around an infinitely thin flat plate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>zerkon %1</source>
        <translation>zerkon %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the zerkon developers.
Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Copyright © 2026 the zerkon developers.
Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</translation>
    </message>
</context>
<context>
    <name>ChartsWindow</name>
    <message>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>A chart is saved as a .png or an .svg file, not as %1.</source>
        <translation>A chart is saved as a .png or an .svg file, not as %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>the chart cannot be drawn</source>
        <translation>the chart cannot be drawn</translation>
    </message>
    <message>
        <source>Save θ-β-M chart...</source>
        <translation>Save θ-β-M chart...</translation>
    </message>
    <message>
        <source>Save loads chart...</source>
        <translation>Save loads chart...</translation>
    </message>
    <message>
        <source>θ-β-M chart</source>
        <translation>θ-β-M chart</translation>
    </message>
    <message>
        <source>Loads chart: c_l and c_d against α</source>
        <translation>Loads chart: c_l and c_d against α</translation>
    </message>
    <message>
        <source>M₁ = %1, θ = α = %2°, shock angle β = %3°, largest attached deflection θmax = %4°.</source>
        <translation>M₁ = %1, θ = α = %2°, shock angle β = %3°, largest attached deflection θmax = %4°.</translation>
    </message>
    <message>
        <source>M₁ = %1, α = %2°: by shock-expansion theory c_l = %3 and c_d = %4; by the model c_l = %5 and c_d = %6.</source>
        <translation>M₁ = %1, α = %2°: by shock-expansion theory c_l = %3 and c_d = %4; by the model c_l = %5 and c_d = %6.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>FieldHelp</name>
    <message>
        <source>V₁, free-stream speed, m/s: typed in, applied when the field is left</source>
        <translation>V₁, free-stream speed, m/s: typed in, applied when the field is left</translation>
    </message>
    <message>
        <source>T₁, free-stream temperature, K: typed in, applied when the field is left</source>
        <translation>T₁, free-stream temperature, K: typed in, applied when the field is left</translation>
    </message>
    <message>
        <source>P₁, free-stream pressure, Pa: typed in, applied when the field is left</source>
        <translation>P₁, free-stream pressure, Pa: typed in, applied when the field is left</translation>
    </message>
    <message>
        <source>ρ₁, free-stream density, kg/m³: P₁ · 0.028 / (8.314 · T₁)</source>
        <translation>ρ₁, free-stream density, kg/m³: P₁ · 0.028 / (8.314 · T₁)</translation>
    </message>
    <message>
        <source>c₁, free-stream speed of sound, m/s: √(415.7 · T₁)</source>
        <translation>c₁, free-stream speed of sound, m/s: √(415.7 · T₁)</translation>
    </message>
    <message>
        <source>V₀₁, free-stream specific volume, m³/kg: 1 / ρ₁</source>
        <translation>V₀₁, free-stream specific volume, m³/kg: 1 / ρ₁</translation>
    </message>
    <message>
        <source>T, temperature at the probed point, K: from the shock or fan the point lies behind</source>
        <translation>T, temperature at the probed point, K: from the shock or fan the point lies behind</translation>
    </message>
    <message>
        <source>P, pressure at the probed point, Pa: from the shock or fan the point lies behind</source>
        <translation>P, pressure at the probed point, Pa: from the shock or fan the point lies behind</translation>
    </message>
    <message>
        <source>ρ, density at the probed point, kg/m³: from the shock or fan the point lies behind</source>
        <translation>ρ, density at the probed point, kg/m³: from the shock or fan the point lies behind</translation>
    </message>
    <message>
        <source>c, speed of sound at the probed point, m/s: √(415.7 · T)</source>
        <translation>c, speed of sound at the probed point, m/s: √(415.7 · T)</translation>
    </message>
    <message>
        <source>M, Mach number at the probed point, no unit: V / c</source>
        <translation>M, Mach number at the probed point, no unit: V / c</translation>
    </message>
    <message>
        <source>V₀, specific volume at the probed point, m³/kg: 1 / ρ</source>
        <translation>V₀, specific volume at the probed point, m³/kg: 1 / ρ</translation>
    </message>
    <message>
        <source>V, flow speed at the probed point, m/s: √(V_φ² + V_r²)</source>
        <translation>V, flow speed at the probed point, m/s: √(V_φ² + V_r²)</translation>
    </message>
    <message>
        <source>V_φ, velocity along the turned stream at the probed point, m/s: from the shock or fan the point lies behind (V₁ in the free stream)</source>
        <translation>V_φ, velocity along the turned stream at the probed point, m/s: from the shock or fan the point lies behind (V₁ in the free stream)</translation>
    </message>
    <message>
        <source>V_r, velocity across the turned stream at the probed point, m/s: from the shock or fan the point lies behind (0 in the free stream)</source>
        <translation>V_r, velocity across the turned stream at the probed point, m/s: from the shock or fan the point lies behind (0 in the free stream)</translation>
    </message>
    <message>
        <source>V₁, velocity, m/s</source>
        <translation>V₁, velocity, m/s</translation>
    </message>
    <message>
        <source>T₁, temperature, K</source>
        <translation>T₁, temperature, K</translation>
    </message>
    <message>
        <source>P₁, pressure, Pa</source>
        <translation>P₁, pressure, Pa</translation>
    </message>
    <message>
        <source>ρ₁, density, kg/m³</source>
        <translation>ρ₁, density, kg/m³</translation>
    </message>
    <message>
        <source>c₁, speed of sound, m/s</source>
        <translation>c₁, speed of sound, m/s</translation>
    </message>
    <message>
        <source>M₁, Mach number, no unit</source>
        <translation>M₁, Mach number, no unit</translation>
    </message>
    <message>
        <source>V₀₁, specific volume, m³/kg</source>
        <translation>V₀₁, specific volume, m³/kg</translation>
    </message>
    <message>
        <source>T, temperature at the point, K</source>
        <translation>T, temperature at the point, K</translation>
    </message>
    <message>
        <source>P, pressure at the point, Pa</source>
        <translation>P, pressure at the point, Pa</translation>
    </message>
    <message>
        <source>ρ, density at the point, kg/m³</source>
        <translation>ρ, density at the point, kg/m³</translation>
    </message>
    <message>
        <source>c, speed of sound at the point, m/s</source>
        <translation>c, speed of sound at the point, m/s</translation>
    </message>
    <message>
        <source>M, Mach number at the point, no unit</source>
        <translation>M, Mach number at the point, no unit</translation>
    </message>
    <message>
        <source>V₀, specific volume at the point, m³/kg</source>
        <translation>V₀, specific volume at the point, m³/kg</translation>
    </message>
    <message>
        <source>V, velocity at the point, m/s</source>
        <translation>V, velocity at the point, m/s</translation>
    </message>
    <message>
        <source>V_φ, velocity along the turned stream, m/s</source>
        <translation>V_φ, velocity along the turned stream, m/s</translation>
    </message>
    <message>
        <source>V_r, velocity across the turned stream, m/s</source>
        <translation>V_r, velocity across the turned stream, m/s</translation>
    </message>
    <message>
        <source>M₁, free-stream Mach number, no unit: V₁ / c₁; a Mach number typed in sets V₁ = M₁ · c₁</source>
        <translation>M₁, free-stream Mach number, no unit: V₁ / c₁; a Mach number typed in sets V₁ = M₁ · c₁</translation>
    </message>
</context>
<context>
    <name>LegendWindow</name>
    <message>
        <source>Tracers: ten thousand particles of gas, one red pixel each, moving with the local velocity; they enter at the left and are turned by the fronts.</source>
        <translation>Tracers: ten thousand particles of gas, one red pixel each, moving with the local velocity; they enter at the left and are turned by the fronts.</translation>
    </message>
    <message>
        <source>Pressure bubbles: two orange discs carried by the flow; the higher the local pressure, the smaller the disc (radius 10 pixels at 100000 Pa).</source>
        <translation>Pressure bubbles: two orange discs carried by the flow; the higher the local pressure, the smaller the disc (radius 10 pixels at 100000 Pa).</translation>
    </message>
    <message>
        <source>Streamlines: twelve green lines, the whole paths of gas entering at evenly spaced heights.</source>
        <translation>Streamlines: twelve green lines, the whole paths of gas entering at evenly spaced heights.</translation>
    </message>
    <message>
        <source>The plate: the thick blue line; drag it with the left button, or turn it with the arrow keys when the picture has the keyboard.</source>
        <translation>The plate: the thick blue line; drag it with the left button, or turn it with the arrow keys when the picture has the keyboard.</translation>
    </message>
    <message>
        <source>Dashed lines: the shock fronts (below at the leading edge, above at the trailing edge) and the first and last rays of the two expansion fans.</source>
        <translation>Dashed lines: the shock fronts (below at the leading edge, above at the trailing edge) and the first and last rays of the two expansion fans.</translation>
    </message>
    <message>
        <source>Dash-dot lines: the undisturbed free stream at the heights of the leading and the trailing edge.</source>
        <translation>Dash-dot lines: the undisturbed free stream at the heights of the leading and the trailing edge.</translation>
    </message>
    <message>
        <source>The angle arc: the angle of attack α between the thin horizontal reference line and the plate, with its value in degrees.</source>
        <translation>The angle arc: the angle of attack α between the thin horizontal reference line and the plate, with its value in degrees.</translation>
    </message>
    <message>
        <source>The crosshair: the point probed with Ctrl and the arrow keys; it goes when the mouse moves.</source>
        <translation>The crosshair: the point probed with Ctrl and the arrow keys; it goes when the mouse moves.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>The force arrow: the force on the plate from the pressures 20 pixels below and above its centre, normal to the plate, with its vertical part Fy and horizontal part Fx; the labels are in newtons, written “Н”, the Russian letter for N.</source>
        <translation>The force arrow: the force on the plate from the pressures 20 pixels below and above its centre, normal to the plate, with its vertical part Fy and horizontal part Fx; the labels are in newtons, written “Н”, the Russian letter for N.</translation>
    </message>
</context>
<context>
    <name>LoadsChart</name>
    <message>
        <source>shock-expansion</source>
        <translation>shock-expansion</translation>
    </message>
    <message>
        <source>Ackeret</source>
        <translation>Ackeret</translation>
    </message>
    <message>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <source>angle of attack α [°]</source>
        <translation>angle of attack α [°]</translation>
    </message>
    <message>
        <source>c&lt;sub&gt;l&lt;/sub&gt; solid, c&lt;sub&gt;d&lt;/sub&gt; dashed [-]</source>
        <translation>c&lt;sub&gt;l&lt;/sub&gt; solid, c&lt;sub&gt;d&lt;/sub&gt; dashed [-]</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Loads at M₁ = %1, α = %2°</source>
        <translation>Loads at M₁ = %1, α = %2°</translation>
    </message>
    <message>
        <source>third order</source>
        <translation>third order</translation>
    </message>
    <message>
        <source>θmax: detached</source>
        <translation>θmax: detached</translation>
    </message>
    <message>
        <source>vacuum</source>
        <translation>vacuum</translation>
    </message>
    <message>
        <source>: detached</source>
        <translation>: detached</translation>
    </message>
    <message>
        <source>: vacuum above</source>
        <translation>: vacuum above</translation>
    </message>
    <message>
        <source>: subsonic, no theory</source>
        <translation>: subsonic, no theory</translation>
    </message>
    <message>
        <source>: no flow</source>
        <translation>: no flow</translation>
    </message>
    <message>
        <source>model ends:&lt;br&gt;no pressure</source>
        <translation>model ends:&lt;br&gt;no pressure</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Free stream</source>
        <translation>Free stream</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>m³/kg</source>
        <translation>m³/kg</translation>
    </message>
    <message>
        <source>State at the point</source>
        <translation>State at the point</translation>
    </message>
    <message>
        <source>Velocity at the point</source>
        <translation>Velocity at the point</translation>
    </message>
    <message>
        <source>Angle of attack α = %1°. %2</source>
        <translation>Angle of attack α = %1°. %2</translation>
    </message>
    <message>
        <source>&amp;About zerkon...</source>
        <translation>&amp;About zerkon...</translation>
    </message>
    <message>
        <source>Shock-expansion &amp;theory...</source>
        <translation>Shock-expansion &amp;theory...</translation>
    </message>
    <message>
        <source>Flow picture</source>
        <translation>Flow picture</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>La&amp;nguage</translation>
    </message>
    <message>
        <source>&amp;Charts...</source>
        <translation>&amp;Charts...</translation>
    </message>
    <message>
        <source>The probe reads the flow from α = %1° (0.1 rad) on; below that angle the fields of the point show “—”.</source>
        <translation>The probe reads the flow from α = %1° (0.1 rad) on; below that angle the fields of the point show “—”.</translation>
    </message>
    <message>
        <source>&amp;Forget remembered settings</source>
        <translation>&amp;Forget remembered settings</translation>
    </message>
    <message>
        <source>&lt;i&gt;α&lt;/i&gt;</source>
        <translation>&lt;i&gt;α&lt;/i&gt;</translation>
    </message>
    <message>
        <source>α, angle of attack, degrees</source>
        <translation>α, angle of attack, degrees</translation>
    </message>
    <message>
        <source>α, angle of attack, degrees: typed in or stepped, 0 to 75</source>
        <translation>α, angle of attack, degrees: typed in or stepped, 0 to 75</translation>
    </message>
    <message>
        <source>Drag with the left mouse button to turn the plate; move the mouse to probe the gas. The force labels Fx and Fy are in newtons, written “Н”, the Russian letter for N.</source>
        <translation>Drag with the left mouse button to turn the plate; move the mouse to probe the gas. The force labels Fx and Fy are in newtons, written “Н”, the Russian letter for N.</translation>
    </message>
    <message>
        <source>Point %1, %2: no values below α = %3°.</source>
        <translation>Point %1, %2: no values below α = %3°.</translation>
    </message>
    <message>
        <source>Point %1, %2: T %3 K, P %4 Pa, M %5, V %6 m/s.</source>
        <translation>Point %1, %2: T %3 K, P %4 Pa, M %5, V %6 m/s.</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Save picture...</translation>
    </message>
    <message>
        <source>&amp;Copy values</source>
        <translation>&amp;Copy values</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legend</translation>
    </message>
    <message>
        <source>Probe 1 pixel left</source>
        <translation>Probe 1 pixel left</translation>
    </message>
    <message>
        <source>Probe 1 pixel right</source>
        <translation>Probe 1 pixel right</translation>
    </message>
    <message>
        <source>Probe 1 pixel up</source>
        <translation>Probe 1 pixel up</translation>
    </message>
    <message>
        <source>Probe 1 pixel down</source>
        <translation>Probe 1 pixel down</translation>
    </message>
    <message>
        <source>Probe 10 pixels left</source>
        <translation>Probe 10 pixels left</translation>
    </message>
    <message>
        <source>Probe 10 pixels right</source>
        <translation>Probe 10 pixels right</translation>
    </message>
    <message>
        <source>Probe 10 pixels up</source>
        <translation>Probe 10 pixels up</translation>
    </message>
    <message>
        <source>Probe 10 pixels down</source>
        <translation>Probe 10 pixels down</translation>
    </message>
    <message>
        <source>&amp;Probe with the keyboard</source>
        <translation>&amp;Probe with the keyboard</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>the picture could not be encoded as PNG</translation>
    </message>
    <message>
        <source>A picture is saved as a .png file, not as %1.</source>
        <translation>A picture is saved as a .png file, not as %1.</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>The picture was not saved to %1: %2.</translation>
    </message>
</context>
<context>
    <name>RegimeLine</name>
    <message>
        <source>Attached shock below, expansion fan above: a flow that can exist.</source>
        <translation>Attached shock below, expansion fan above: a flow that can exist.</translation>
    </message>
    <message>
        <source>The plate turns the gas by less than the largest angle an oblique shock can turn it at this Mach number, so the shock stays attached to the leading edge. Above the plate the gas turns round the edge through an expansion fan and keeps a pressure above zero.</source>
        <translation>The plate turns the gas by less than the largest angle an oblique shock can turn it at this Mach number, so the shock stays attached to the leading edge. Above the plate the gas turns round the edge through an expansion fan and keeps a pressure above zero.</translation>
    </message>
    <message>
        <source>No angle of attack: only Mach waves, the stream passes undisturbed.</source>
        <translation>No angle of attack: only Mach waves, the stream passes undisturbed.</translation>
    </message>
    <message>
        <source>A plate lying along the stream does not turn the gas, so no shock or fan forms. Only weak Mach waves at the Mach angle mark where the plate&apos;s edges are felt.</source>
        <translation>A plate lying along the stream does not turn the gas, so no shock or fan forms. Only weak Mach waves at the Mach angle mark where the plate&apos;s edges are felt.</translation>
    </message>
    <message>
        <source>Detached shock: α = %1° is above θmax = %2°, so this picture cannot exist.</source>
        <translation>Detached shock: α = %1° is above θmax = %2°, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>At this Mach number an oblique shock can turn the gas by at most θmax, and the plate asks for more. The real shock stands detached ahead of the leading edge with subsonic gas behind it, not attached to the edge as drawn.</source>
        <translation>At this Mach number an oblique shock can turn the gas by at most θmax, and the plate asks for more. The real shock stands detached ahead of the leading edge with subsonic gas behind it, not attached to the edge as drawn.</translation>
    </message>
    <message>
        <source>Subsonic free stream (M₁ = %1): this picture cannot exist.</source>
        <translation>Subsonic free stream (M₁ = %1): this picture cannot exist.</translation>
    </message>
    <message>
        <source>Below the speed of sound pressure disturbances travel upstream, so the gas starts to turn before it reaches the plate. There are no shocks or expansion fans at the edges, as drawn here.</source>
        <translation>Below the speed of sound pressure disturbances travel upstream, so the gas starts to turn before it reaches the plate. There are no shocks or expansion fans at the edges, as drawn here.</translation>
    </message>
    <message>
        <source>Not a flow: the free stream holds zero, negative or non-finite values, so this picture cannot exist.</source>
        <translation>Not a flow: the free stream holds zero, negative or non-finite values, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>A gas needs a positive temperature and a finite, non-negative speed to have a Mach number. Correct V₁, T₁ or P₁ and leave the field to apply them.</source>
        <translation>A gas needs a positive temperature and a finite, non-negative speed to have a Mach number. Correct V₁, T₁ or P₁ and leave the field to apply them.</translation>
    </message>
    <message>
        <source>Attached shock, but subsonic gas behind it: α = %1° lies between θ_s = %2° and θmax = %3°.</source>
        <translation>Attached shock, but subsonic gas behind it: α = %1° lies between θ_s = %2° and θmax = %3°.</translation>
    </message>
    <message>
        <source>The shock still stands on the leading edge, but it is so strong that the gas behind it moves slower than sound. Pressure waves then travel forward along the plate, so the uniform state drawn below the plate is only an idealisation.</source>
        <translation>The shock still stands on the leading edge, but it is so strong that the gas behind it moves slower than sound. Pressure waves then travel forward along the plate, so the uniform state drawn below the plate is only an idealisation.</translation>
    </message>
    <message>
        <source>Detached shock: a sonic stream (M₁ = 1) cannot be turned by an attached shock at all, so this picture cannot exist.</source>
        <translation>Detached shock: a sonic stream (M₁ = 1) cannot be turned by an attached shock at all, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>Vacuum above the plate: beyond α = %1° the fan reaches zero pressure before the gas turns along the plate, so this picture cannot exist.</source>
        <translation>Vacuum above the plate: beyond α = %1° the fan reaches zero pressure before the gas turns along the plate, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>The expansion fan still forms at the leading edge, but its pressure falls to zero at the largest Prandtl-Meyer angle, before the gas has turned as far as the plate. Between the fan&apos;s last ray and the plate there is vacuum, not the gas drawn here.</source>
        <translation>The expansion fan still forms at the leading edge, but its pressure falls to zero at the largest Prandtl-Meyer angle, before the gas has turned as far as the plate. Between the fan&apos;s last ray and the plate there is vacuum, not the gas drawn here.</translation>
    </message>
    <message>
        <source>No gas: at P₁ = 0 Pa there is nothing to flow, so this picture cannot exist.</source>
        <translation>No gas: at P₁ = 0 Pa there is nothing to flow, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>Zero pressure means empty space: no molecules to be turned, no shock and no fan. Enter a positive pressure P₁.</source>
        <translation>Zero pressure means empty space: no molecules to be turned, no shock and no fan. Enter a positive pressure P₁.</translation>
    </message>
    <message>
        <source>No speed of sound at T₁ = 0 K: the gas has no Mach number, so this picture cannot exist.</source>
        <translation>No speed of sound at T₁ = 0 K: the gas has no Mach number, so this picture cannot exist.</translation>
    </message>
    <message>
        <source>The speed of sound is √(γRT₁), which is zero at absolute zero, so V₁/c₁ has no value. Enter a positive temperature T₁.</source>
        <translation>The speed of sound is √(γRT₁), which is zero at absolute zero, so V₁/c₁ has no value. Enter a positive temperature T₁.</translation>
    </message>
</context>
<context>
    <name>TheoryWindow</name>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>N/m</source>
        <translation>N/m</translation>
    </message>
    <message>
        <source>lower face: shock</source>
        <translation>lower face: shock</translation>
    </message>
    <message>
        <source>upper face: expansion</source>
        <translation>upper face: expansion</translation>
    </message>
    <message>
        <source>wave angle β / ν(M₁)+α</source>
        <translation>wave angle β / ν(M₁)+α</translation>
    </message>
    <message>
        <source>p/p₁ of the model</source>
        <translation>p/p₁ of the model</translation>
    </message>
    <message>
        <source>model / exact</source>
        <translation>model / exact</translation>
    </message>
    <message>
        <source>shock-expansion</source>
        <translation>shock-expansion</translation>
    </message>
    <message>
        <source>Ackeret</source>
        <translation>Ackeret</translation>
    </message>
    <message>
        <source>lift per metre of span (1 m chord)</source>
        <translation>lift per metre of span (1 m chord)</translation>
    </message>
    <message>
        <source>drag per metre of span (1 m chord)</source>
        <translation>drag per metre of span (1 m chord)</translation>
    </message>
    <message>
        <source>largest attached deflection θmax</source>
        <translation>largest attached deflection θmax</translation>
    </message>
    <message>
        <source>Shock-expansion theory</source>
        <translation>Shock-expansion theory</translation>
    </message>
    <message>
        <source>second order changes the face pressures only: on a flat plate it leaves c_l and c_d at Ackeret&apos;s values</source>
        <translation>second order changes the face pressures only: on a flat plate it leaves c_l and c_d at Ackeret&apos;s values</translation>
    </message>
    <message>
        <source>c_p, second order</source>
        <translation>c_p, second order</translation>
    </message>
    <message>
        <source>c_p, third order</source>
        <translation>c_p, third order</translation>
    </message>
    <message>
        <source>third order</source>
        <translation>third order</translation>
    </message>
    <message>
        <source>sonic behind the shock from θ_s</source>
        <translation>sonic behind the shock from θ_s</translation>
    </message>
    <message>
        <source>vacuum above the plate from α</source>
        <translation>vacuum above the plate from α</translation>
    </message>
</context>
<context>
    <name>ThetaBetaChart</name>
    <message>
        <source>flow deflection θ = α [°]</source>
        <translation>flow deflection θ = α [°]</translation>
    </message>
    <message>
        <source>shock angle β [°]</source>
        <translation>shock angle β [°]</translation>
    </message>
    <message>
        <source>θmax</source>
        <translation>θmax</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>model front</source>
        <translation>model front</translation>
    </message>
    <message>
        <source>exact shock</source>
        <translation>exact shock</translation>
    </message>
    <message>
        <source>M₁ = %1</source>
        <translation>M₁ = %1</translation>
    </message>
    <message>
        <source>θ-β-M at M₁ = %1, α = %2°</source>
        <translation>θ-β-M at M₁ = %1, α = %2°</translation>
    </message>
    <message>
        <source>: detached (θmax = %1°)</source>
        <translation>: detached (θmax = %1°)</translation>
    </message>
    <message>
        <source>: no oblique shock</source>
        <translation>: no oblique shock</translation>
    </message>
    <message>
        <source>M₂ = 1</source>
        <translation>M₂ = 1</translation>
    </message>
</context>
<context>
    <name>ViewActions</name>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Step one tick</source>
        <translation>&amp;Step one tick</translation>
    </message>
    <message>
        <source>&amp;Restart particles</source>
        <translation>&amp;Restart particles</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Save as SVG</translation>
    </message>
    <message>
        <source>The browser did not allow copying.</source>
        <translation>The browser did not allow copying.</translation>
    </message>
    <message>
        <source>The link to this session was copied.</source>
        <translation>The link to this session was copied.</translation>
    </message>
    <message>
        <source>The link's %1 = %2 is out of range; %3 is used.</source>
        <translation>The link's %1 = %2 is out of range; %3 is used.</translation>
    </message>
    <message>
        <source>The link's %1 = “%2” is not a number; the start-up value is used.</source>
        <translation>The link's %1 = “%2” is not a number; the start-up value is used.</translation>
    </message>
    <message>
        <source>The picture was saved as %1.</source>
        <translation>The picture was saved as %1.</translation>
    </message>
    <message>
        <source>The values were copied as a table.</source>
        <translation>The values were copied as a table.</translation>
    </message>
</context>
</TS>
