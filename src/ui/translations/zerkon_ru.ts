<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About zerkon</source>
        <translation>О программе zerkon</translation>
    </message>
    <message>
        <source>A program that builds a visual model of supersonic flow around an infinitely thin flat plate</source>
        <translation>Программа построения визуальной модели процесса обтекания бесконечно тонкой пластины сверхзвуковым потоком</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>zerkon %1</source>
        <translation>zerkon %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the zerkon developers.
Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>© 2026 разработчики zerkon.
Свободная программа, распространяется на условиях GNU General Public License версии 3 или (по вашему выбору) любой более поздней версии (GPL-3.0-or-later). Поставляется БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ.</translation>
    </message>
</context>
<context>
    <name>ChartsWindow</name>
    <message>
        <source>Charts</source>
        <translation>Графики</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Сохранение графика</translation>
    </message>
    <message>
        <source>A chart is saved as a .png or an .svg file, not as %1.</source>
        <translation>График можно сохранить только в файл .png или .svg, а не в %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>the chart cannot be drawn</source>
        <translation>график не удаётся построить</translation>
    </message>
    <message>
        <source>Save θ-β-M chart...</source>
        <translation>Сохранить график θ-β-M...</translation>
    </message>
    <message>
        <source>Save loads chart...</source>
        <translation>Сохранить график коэффициентов...</translation>
    </message>
    <message>
        <source>θ-β-M chart</source>
        <translation>График θ-β-M</translation>
    </message>
    <message>
        <source>Loads chart: c_l and c_d against α</source>
        <translation>График коэффициентов: c_l и c_d в зависимости от α</translation>
    </message>
    <message>
        <source>M₁ = %1, θ = α = %2°, shock angle β = %3°, largest attached deflection θmax = %4°.</source>
        <translation>M₁ = %1, θ = α = %2°, угол скачка β = %3°, наибольший угол поворота с присоединённым скачком θmax = %4°.</translation>
    </message>
    <message>
        <source>M₁ = %1, α = %2°: by shock-expansion theory c_l = %3 and c_d = %4; by the model c_l = %5 and c_d = %6.</source>
        <translation>M₁ = %1, α = %2°: по теории скачков и волн разрежения c_l = %3 и c_d = %4; по модели c_l = %5 и c_d = %6.</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>Файл %1 уже существует. Заменить его?</translation>
    </message>
</context>
<context>
    <name>FieldHelp</name>
    <message>
        <source>V₁, free-stream speed, m/s: typed in, applied when the field is left</source>
        <translation>V₁, скорость набегающего потока, м/с: вводится, применяется при выходе из поля</translation>
    </message>
    <message>
        <source>T₁, free-stream temperature, K: typed in, applied when the field is left</source>
        <translation>T₁, температура набегающего потока, К: вводится, применяется при выходе из поля</translation>
    </message>
    <message>
        <source>P₁, free-stream pressure, Pa: typed in, applied when the field is left</source>
        <translation>P₁, давление набегающего потока, Па: вводится, применяется при выходе из поля</translation>
    </message>
    <message>
        <source>ρ₁, free-stream density, kg/m³: P₁ · 0.028 / (8.314 · T₁)</source>
        <translation>ρ₁, плотность набегающего потока, кг/м³: P₁ · 0.028 / (8.314 · T₁)</translation>
    </message>
    <message>
        <source>c₁, free-stream speed of sound, m/s: √(415.7 · T₁)</source>
        <translation>c₁, скорость звука в набегающем потоке, м/с: √(415.7 · T₁)</translation>
    </message>
    <message>
        <source>V₀₁, free-stream specific volume, m³/kg: 1 / ρ₁</source>
        <translation>V₀₁, удельный объём набегающего потока, м³/кг: 1 / ρ₁</translation>
    </message>
    <message>
        <source>T, temperature at the probed point, K: from the shock or fan the point lies behind</source>
        <translation>T, температура в выбранной точке, К: по скачку или вееру разрежения, за которым лежит точка</translation>
    </message>
    <message>
        <source>P, pressure at the probed point, Pa: from the shock or fan the point lies behind</source>
        <translation>P, давление в выбранной точке, Па: по скачку или вееру разрежения, за которым лежит точка</translation>
    </message>
    <message>
        <source>ρ, density at the probed point, kg/m³: from the shock or fan the point lies behind</source>
        <translation>ρ, плотность в выбранной точке, кг/м³: по скачку или вееру разрежения, за которым лежит точка</translation>
    </message>
    <message>
        <source>c, speed of sound at the probed point, m/s: √(415.7 · T)</source>
        <translation>c, скорость звука в выбранной точке, м/с: √(415.7 · T)</translation>
    </message>
    <message>
        <source>M, Mach number at the probed point, no unit: V / c</source>
        <translation>M, число Маха в выбранной точке, безразмерное: V / c</translation>
    </message>
    <message>
        <source>V₀, specific volume at the probed point, m³/kg: 1 / ρ</source>
        <translation>V₀, удельный объём в выбранной точке, м³/кг: 1 / ρ</translation>
    </message>
    <message>
        <source>V, flow speed at the probed point, m/s: √(V_φ² + V_r²)</source>
        <translation>V, скорость потока в выбранной точке, м/с: √(V_φ² + V_r²)</translation>
    </message>
    <message>
        <source>V_φ, velocity along the turned stream at the probed point, m/s: from the shock or fan the point lies behind (V₁ in the free stream)</source>
        <translation>V_φ, скорость вдоль повёрнутого потока в выбранной точке, м/с: по скачку или вееру разрежения, за которым лежит точка (в набегающем потоке равна V₁)</translation>
    </message>
    <message>
        <source>V_r, velocity across the turned stream at the probed point, m/s: from the shock or fan the point lies behind (0 in the free stream)</source>
        <translation>V_r, скорость поперёк повёрнутого потока в выбранной точке, м/с: по скачку или вееру разрежения, за которым лежит точка (в набегающем потоке равна 0)</translation>
    </message>
    <message>
        <source>V₁, velocity, m/s</source>
        <translation>V₁, скорость, м/с</translation>
    </message>
    <message>
        <source>T₁, temperature, K</source>
        <translation>T₁, температура, К</translation>
    </message>
    <message>
        <source>P₁, pressure, Pa</source>
        <translation>P₁, давление, Па</translation>
    </message>
    <message>
        <source>ρ₁, density, kg/m³</source>
        <translation>ρ₁, плотность, кг/м³</translation>
    </message>
    <message>
        <source>c₁, speed of sound, m/s</source>
        <translation>c₁, скорость звука, м/с</translation>
    </message>
    <message>
        <source>M₁, Mach number, no unit</source>
        <translation>M₁, число Маха, безразмерное</translation>
    </message>
    <message>
        <source>V₀₁, specific volume, m³/kg</source>
        <translation>V₀₁, удельный объём, м³/кг</translation>
    </message>
    <message>
        <source>T, temperature at the point, K</source>
        <translation>T, температура в точке, К</translation>
    </message>
    <message>
        <source>P, pressure at the point, Pa</source>
        <translation>P, давление в точке, Па</translation>
    </message>
    <message>
        <source>ρ, density at the point, kg/m³</source>
        <translation>ρ, плотность в точке, кг/м³</translation>
    </message>
    <message>
        <source>c, speed of sound at the point, m/s</source>
        <translation>c, скорость звука в точке, м/с</translation>
    </message>
    <message>
        <source>M, Mach number at the point, no unit</source>
        <translation>M, число Маха в точке, безразмерное</translation>
    </message>
    <message>
        <source>V₀, specific volume at the point, m³/kg</source>
        <translation>V₀, удельный объём в точке, м³/кг</translation>
    </message>
    <message>
        <source>V, velocity at the point, m/s</source>
        <translation>V, скорость в точке, м/с</translation>
    </message>
    <message>
        <source>V_φ, velocity along the turned stream, m/s</source>
        <translation>V_φ, скорость вдоль повёрнутого потока, м/с</translation>
    </message>
    <message>
        <source>V_r, velocity across the turned stream, m/s</source>
        <translation>V_r, скорость поперёк повёрнутого потока, м/с</translation>
    </message>
    <message>
        <source>M₁, free-stream Mach number, no unit: V₁ / c₁; a Mach number typed in sets V₁ = M₁ · c₁</source>
        <translation>M₁, число Маха набегающего потока, безразмерное: V₁ / c₁; введённое число Маха задаёт V₁ = M₁ · c₁</translation>
    </message>
</context>
<context>
    <name>LegendWindow</name>
    <message>
        <source>Tracers: ten thousand particles of gas, one red pixel each, moving with the local velocity; they enter at the left and are turned by the fronts.</source>
        <translation>Частицы-трассеры: десять тысяч красных точек, которые движутся вместе с газом с местной скоростью; они входят слева и поворачивают на фронтах.</translation>
    </message>
    <message>
        <source>Pressure bubbles: two orange discs carried by the flow; the higher the local pressure, the smaller the disc (radius 10 pixels at 100000 Pa).</source>
        <translation>Пузырьки давления: два оранжевых кружка, которые переносит поток; чем выше местное давление, тем меньше кружок (радиус 10 пикселей при 100000 Па).</translation>
    </message>
    <message>
        <source>Streamlines: twelve green lines, the whole paths of gas entering at evenly spaced heights.</source>
        <translation>Линии тока: двенадцать зелёных линий — полные пути газа, входящего на равноотстоящих высотах.</translation>
    </message>
    <message>
        <source>The plate: the thick blue line; drag it with the left button, or turn it with the arrow keys when the picture has the keyboard.</source>
        <translation>Пластина: толстая синяя линия; её поворачивают, перетаскивая левой кнопкой мыши, или клавишами со стрелками, когда рисунок в фокусе клавиатуры.</translation>
    </message>
    <message>
        <source>Dashed lines: the shock fronts (below at the leading edge, above at the trailing edge) and the first and last rays of the two expansion fans.</source>
        <translation>Штриховые линии: фронты скачков уплотнения (снизу у передней кромки, сверху у задней) и первый и последний лучи двух вееров разрежения.</translation>
    </message>
    <message>
        <source>Dash-dot lines: the undisturbed free stream at the heights of the leading and the trailing edge.</source>
        <translation>Штрихпунктирные линии: невозмущённый набегающий поток на высотах передней и задней кромок.</translation>
    </message>
    <message>
        <source>The angle arc: the angle of attack α between the thin horizontal reference line and the plate, with its value in degrees.</source>
        <translation>Дуга угла: угол атаки α между тонкой горизонтальной линией отсчёта и пластиной, со значением в градусах.</translation>
    </message>
    <message>
        <source>The crosshair: the point probed with Ctrl and the arrow keys; it goes when the mouse moves.</source>
        <translation>Перекрестие: точка, выбранная сочетанием Ctrl со стрелками; оно исчезает, как только двинется мышь.</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Условные обозначения</translation>
    </message>
    <message>
        <source>The force arrow: the force on the plate from the pressures 20 pixels below and above its centre, normal to the plate, with its vertical part Fy and horizontal part Fx; the labels are in newtons, written “Н”, the Russian letter for N.</source>
        <translation>Стрелка силы: сила, действующая на пластину по нормали к ней, по давлениям в 20 пикселях под её центром и над ним, с вертикальной составляющей Fy и горизонтальной Fx; подписи в ньютонах (Н).</translation>
    </message>
</context>
<context>
    <name>LoadsChart</name>
    <message>
        <source>shock-expansion</source>
        <translation>скачки и волны разрежения</translation>
    </message>
    <message>
        <source>Ackeret</source>
        <translation>Аккерет</translation>
    </message>
    <message>
        <source>model</source>
        <translation>модель</translation>
    </message>
    <message>
        <source>angle of attack α [°]</source>
        <translation>угол атаки α [°]</translation>
    </message>
    <message>
        <source>c&lt;sub&gt;l&lt;/sub&gt; solid, c&lt;sub&gt;d&lt;/sub&gt; dashed [-]</source>
        <translation>c&lt;sub&gt;l&lt;/sub&gt; сплошные, c&lt;sub&gt;d&lt;/sub&gt; штриховые [-]</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Loads at M₁ = %1, α = %2°</source>
        <translation>Аэродинамические коэффициенты при M₁ = %1, α = %2°</translation>
    </message>
    <message>
        <source>third order</source>
        <translation>третий порядок</translation>
    </message>
    <message>
        <source>θmax: detached</source>
        <translation>θmax: отход скачка</translation>
    </message>
    <message>
        <source>vacuum</source>
        <translation>вакуум</translation>
    </message>
    <message>
        <source>: detached</source>
        <translation>: скачок отошёл</translation>
    </message>
    <message>
        <source>: vacuum above</source>
        <translation>: вакуум сверху</translation>
    </message>
    <message>
        <source>: subsonic, no theory</source>
        <translation>: дозвук, теории нет</translation>
    </message>
    <message>
        <source>: no flow</source>
        <translation>: течения нет</translation>
    </message>
    <message>
        <source>model ends:&lt;br&gt;no pressure</source>
        <translation>конец модели:&lt;br&gt;нет давления</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Free stream</source>
        <translation>Набегающий поток</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>м/с</translation>
    </message>
    <message>
        <source>K</source>
        <translation>К</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Па</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>кг/м³</translation>
    </message>
    <message>
        <source>m³/kg</source>
        <translation>м³/кг</translation>
    </message>
    <message>
        <source>State at the point</source>
        <translation>Состояние в точке</translation>
    </message>
    <message>
        <source>Velocity at the point</source>
        <translation>Скорость в точке</translation>
    </message>
    <message>
        <source>Angle of attack α = %1°. %2</source>
        <translation>Угол атаки α = %1°. %2</translation>
    </message>
    <message>
        <source>&amp;About zerkon...</source>
        <translation>&amp;О программе zerkon...</translation>
    </message>
    <message>
        <source>Shock-expansion &amp;theory...</source>
        <translation>&amp;Теория скачков и волн разрежения...</translation>
    </message>
    <message>
        <source>Flow picture</source>
        <translation>Картина обтекания</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Charts...</source>
        <translation>&amp;Графики...</translation>
    </message>
    <message>
        <source>The probe reads the flow from α = %1° (0.1 rad) on; below that angle the fields of the point show “—”.</source>
        <translation>Значения в точке модель даёт начиная с α = %1° (0,1 рад); при меньшем угле в полях точки стоит «—».</translation>
    </message>
    <message>
        <source>&amp;Forget remembered settings</source>
        <translation>&amp;Забыть сохранённые настройки</translation>
    </message>
    <message>
        <source>&lt;i&gt;α&lt;/i&gt;</source>
        <translation>&lt;i&gt;α&lt;/i&gt;</translation>
    </message>
    <message>
        <source>α, angle of attack, degrees</source>
        <translation>α, угол атаки, градусы</translation>
    </message>
    <message>
        <source>α, angle of attack, degrees: typed in or stepped, 0 to 75</source>
        <translation>α, угол атаки в градусах: вводится или меняется стрелками, от 0 до 75</translation>
    </message>
    <message>
        <source>Drag with the left mouse button to turn the plate; move the mouse to probe the gas. The force labels Fx and Fy are in newtons, written “Н”, the Russian letter for N.</source>
        <translation>Чтобы повернуть пластину, перетаскивайте её левой кнопкой мыши; ведите мышь над рисунком, чтобы узнать состояние газа в точке. Подписи сил Fx и Fy — в ньютонах (Н).</translation>
    </message>
    <message>
        <source>Point %1, %2: no values below α = %3°.</source>
        <translation>Точка %1, %2: при α меньше %3° значений нет.</translation>
    </message>
    <message>
        <source>Point %1, %2: T %3 K, P %4 Pa, M %5, V %6 m/s.</source>
        <translation>Точка %1, %2: T %3 К, P %4 Па, M %5, V %6 м/с.</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Сохранить рисунок...</translation>
    </message>
    <message>
        <source>&amp;Copy values</source>
        <translation>С&amp;копировать значения</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Условные обозначения</translation>
    </message>
    <message>
        <source>Probe 1 pixel left</source>
        <translation>Сдвинуть точку на 1 пиксель влево</translation>
    </message>
    <message>
        <source>Probe 1 pixel right</source>
        <translation>Сдвинуть точку на 1 пиксель вправо</translation>
    </message>
    <message>
        <source>Probe 1 pixel up</source>
        <translation>Сдвинуть точку на 1 пиксель вверх</translation>
    </message>
    <message>
        <source>Probe 1 pixel down</source>
        <translation>Сдвинуть точку на 1 пиксель вниз</translation>
    </message>
    <message>
        <source>Probe 10 pixels left</source>
        <translation>Сдвинуть точку на 10 пикселей влево</translation>
    </message>
    <message>
        <source>Probe 10 pixels right</source>
        <translation>Сдвинуть точку на 10 пикселей вправо</translation>
    </message>
    <message>
        <source>Probe 10 pixels up</source>
        <translation>Сдвинуть точку на 10 пикселей вверх</translation>
    </message>
    <message>
        <source>Probe 10 pixels down</source>
        <translation>Сдвинуть точку на 10 пикселей вниз</translation>
    </message>
    <message>
        <source>&amp;Probe with the keyboard</source>
        <translation>&amp;Выбор точки с клавиатуры</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Сохранение рисунка</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Рисунки PNG (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>рисунок не удалось закодировать в PNG</translation>
    </message>
    <message>
        <source>A picture is saved as a .png file, not as %1.</source>
        <translation>Рисунок сохраняется в файл .png, а не %1.</translation>
    </message>
    <message>
        <source>The picture was not saved to %1: %2.</source>
        <translation>Рисунок не сохранён в %1: %2.</translation>
    </message>
</context>
<context>
    <name>RegimeLine</name>
    <message>
        <source>Attached shock below, expansion fan above: a flow that can exist.</source>
        <translation>Присоединённый скачок снизу, веер разрежения сверху: такое течение возможно.</translation>
    </message>
    <message>
        <source>The plate turns the gas by less than the largest angle an oblique shock can turn it at this Mach number, so the shock stays attached to the leading edge. Above the plate the gas turns round the edge through an expansion fan and keeps a pressure above zero.</source>
        <translation>Пластина поворачивает газ на угол меньше наибольшего, на который его может повернуть косой скачок при этом числе Маха, поэтому скачок остаётся присоединённым к передней кромке. Над пластиной газ огибает кромку в веере разрежения, и его давление остаётся выше нуля.</translation>
    </message>
    <message>
        <source>No angle of attack: only Mach waves, the stream passes undisturbed.</source>
        <translation>Угол атаки равен нулю: только волны Маха, поток проходит невозмущённым.</translation>
    </message>
    <message>
        <source>A plate lying along the stream does not turn the gas, so no shock or fan forms. Only weak Mach waves at the Mach angle mark where the plate&apos;s edges are felt.</source>
        <translation>Пластина, лежащая вдоль потока, не поворачивает газ, поэтому ни скачок, ни веер разрежения не образуются. Лишь слабые волны Маха, идущие под углом Маха, отмечают, где поток чувствует кромки пластины.</translation>
    </message>
    <message>
        <source>Detached shock: α = %1° is above θmax = %2°, so this picture cannot exist.</source>
        <translation>Отошедший скачок: α = %1° больше θmax = %2°, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>At this Mach number an oblique shock can turn the gas by at most θmax, and the plate asks for more. The real shock stands detached ahead of the leading edge with subsonic gas behind it, not attached to the edge as drawn.</source>
        <translation>При этом числе Маха косой скачок может повернуть газ не более чем на θmax, а пластина требует большего. В действительности скачок отходит от передней кромки и стоит перед ней, а за ним течёт дозвуковой газ; присоединённого к кромке скачка, как на рисунке, нет.</translation>
    </message>
    <message>
        <source>Subsonic free stream (M₁ = %1): this picture cannot exist.</source>
        <translation>Дозвуковой набегающий поток (M₁ = %1): такая картина невозможна.</translation>
    </message>
    <message>
        <source>Below the speed of sound pressure disturbances travel upstream, so the gas starts to turn before it reaches the plate. There are no shocks or expansion fans at the edges, as drawn here.</source>
        <translation>Ниже скорости звука возмущения давления распространяются вверх по потоку, поэтому газ начинает поворачивать ещё до пластины. Скачков и вееров разрежения у кромок, как на рисунке, нет.</translation>
    </message>
    <message>
        <source>Not a flow: the free stream holds zero, negative or non-finite values, so this picture cannot exist.</source>
        <translation>Это не течение: в набегающем потоке нулевые, отрицательные или нечисловые значения, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>A gas needs a positive temperature and a finite, non-negative speed to have a Mach number. Correct V₁, T₁ or P₁ and leave the field to apply them.</source>
        <translation>Чтобы у газа было число Маха, нужны положительная температура и конечная неотрицательная скорость. Исправьте V₁, T₁ или P₁ и выйдите из поля, чтобы применить их.</translation>
    </message>
    <message>
        <source>Attached shock, but subsonic gas behind it: α = %1° lies between θ_s = %2° and θmax = %3°.</source>
        <translation>Скачок присоединён, но газ за ним дозвуковой: α = %1° лежит между θ_s = %2° и θmax = %3°.</translation>
    </message>
    <message>
        <source>The shock still stands on the leading edge, but it is so strong that the gas behind it moves slower than sound. Pressure waves then travel forward along the plate, so the uniform state drawn below the plate is only an idealisation.</source>
        <translation>Скачок ещё держится на передней кромке, но он настолько силён, что газ за ним движется медленнее звука. Тогда волны давления бегут вдоль пластины вперёд, и однородное состояние, нарисованное под пластиной, — лишь идеализация.</translation>
    </message>
    <message>
        <source>Detached shock: a sonic stream (M₁ = 1) cannot be turned by an attached shock at all, so this picture cannot exist.</source>
        <translation>Отошедший скачок: звуковой поток (M₁ = 1) вообще нельзя повернуть присоединённым скачком, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>Vacuum above the plate: beyond α = %1° the fan reaches zero pressure before the gas turns along the plate, so this picture cannot exist.</source>
        <translation>Вакуум над пластиной: при α больше %1° давление в веере падает до нуля раньше, чем газ повернёт вдоль пластины, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>The expansion fan still forms at the leading edge, but its pressure falls to zero at the largest Prandtl-Meyer angle, before the gas has turned as far as the plate. Between the fan&apos;s last ray and the plate there is vacuum, not the gas drawn here.</source>
        <translation>Веер разрежения у передней кромки по-прежнему возникает, но давление в нём падает до нуля на наибольшем угле Прандтля — Майера, прежде чем газ повернёт так же, как пластина. Между последним лучом веера и пластиной — вакуум, а не нарисованный здесь газ.</translation>
    </message>
    <message>
        <source>No gas: at P₁ = 0 Pa there is nothing to flow, so this picture cannot exist.</source>
        <translation>Газа нет: при P₁ = 0 Па течь нечему, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>Zero pressure means empty space: no molecules to be turned, no shock and no fan. Enter a positive pressure P₁.</source>
        <translation>Нулевое давление означает пустоту: нет молекул, которые можно повернуть, нет ни скачка, ни веера. Введите положительное давление P₁.</translation>
    </message>
    <message>
        <source>No speed of sound at T₁ = 0 K: the gas has no Mach number, so this picture cannot exist.</source>
        <translation>При T₁ = 0 К скорости звука нет: у газа нет числа Маха, поэтому такая картина невозможна.</translation>
    </message>
    <message>
        <source>The speed of sound is √(γRT₁), which is zero at absolute zero, so V₁/c₁ has no value. Enter a positive temperature T₁.</source>
        <translation>Скорость звука равна √(γRT₁) и при абсолютном нуле обращается в нуль, так что отношение V₁/c₁ не имеет значения. Введите положительную температуру T₁.</translation>
    </message>
</context>
<context>
    <name>TheoryWindow</name>
    <message>
        <source>m/s</source>
        <translation>м/с</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>кг/м³</translation>
    </message>
    <message>
        <source>N/m</source>
        <translation>Н/м</translation>
    </message>
    <message>
        <source>lower face: shock</source>
        <translation>нижняя сторона: скачок</translation>
    </message>
    <message>
        <source>upper face: expansion</source>
        <translation>верхняя сторона: веер разрежения</translation>
    </message>
    <message>
        <source>wave angle β / ν(M₁)+α</source>
        <translation>угол волны β / ν(M₁)+α</translation>
    </message>
    <message>
        <source>p/p₁ of the model</source>
        <translation>p/p₁ модели</translation>
    </message>
    <message>
        <source>model / exact</source>
        <translation>модель / точная теория</translation>
    </message>
    <message>
        <source>shock-expansion</source>
        <translation>скачки и волны разрежения</translation>
    </message>
    <message>
        <source>Ackeret</source>
        <translation>Аккерет</translation>
    </message>
    <message>
        <source>lift per metre of span (1 m chord)</source>
        <translation>подъёмная сила на метр размаха (хорда 1 м)</translation>
    </message>
    <message>
        <source>drag per metre of span (1 m chord)</source>
        <translation>сопротивление на метр размаха (хорда 1 м)</translation>
    </message>
    <message>
        <source>largest attached deflection θmax</source>
        <translation>наибольший угол поворота с присоединённым скачком θmax</translation>
    </message>
    <message>
        <source>Shock-expansion theory</source>
        <translation>Теория скачков и волн разрежения</translation>
    </message>
    <message>
        <source>second order changes the face pressures only: on a flat plate it leaves c_l and c_d at Ackeret&apos;s values</source>
        <translation>второй порядок уточняет только давления на гранях: у плоской пластины c_l и c_d остаются такими же, как у Аккерета</translation>
    </message>
    <message>
        <source>c_p, second order</source>
        <translation>c_p, второй порядок</translation>
    </message>
    <message>
        <source>c_p, third order</source>
        <translation>c_p, третий порядок</translation>
    </message>
    <message>
        <source>third order</source>
        <translation>третий порядок</translation>
    </message>
    <message>
        <source>sonic behind the shock from θ_s</source>
        <translation>звуковая скорость за скачком при θ_s</translation>
    </message>
    <message>
        <source>vacuum above the plate from α</source>
        <translation>вакуум над пластиной начиная с α</translation>
    </message>
</context>
<context>
    <name>ThetaBetaChart</name>
    <message>
        <source>flow deflection θ = α [°]</source>
        <translation>угол поворота потока θ = α [°]</translation>
    </message>
    <message>
        <source>shock angle β [°]</source>
        <translation>угол скачка β [°]</translation>
    </message>
    <message>
        <source>θmax</source>
        <translation>θmax</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>слабый</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>сильный</translation>
    </message>
    <message>
        <source>model front</source>
        <translation>фронт модели</translation>
    </message>
    <message>
        <source>exact shock</source>
        <translation>скачок по точной теории</translation>
    </message>
    <message>
        <source>M₁ = %1</source>
        <translation>M₁ = %1</translation>
    </message>
    <message>
        <source>θ-β-M at M₁ = %1, α = %2°</source>
        <translation>θ-β-M при M₁ = %1, α = %2°</translation>
    </message>
    <message>
        <source>: detached (θmax = %1°)</source>
        <translation>: отошедший скачок (θmax = %1°)</translation>
    </message>
    <message>
        <source>: no oblique shock</source>
        <translation>: косого скачка нет</translation>
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
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Step one tick</source>
        <translation>&amp;Шаг на один такт</translation>
    </message>
    <message>
        <source>&amp;Restart particles</source>
        <translation>Перезапустить &amp;частицы</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Сохранить в PNG</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Сохранить в SVG</translation>
    </message>
    <message>
        <source>The browser did not allow copying.</source>
        <translation>Браузер не разрешил копирование.</translation>
    </message>
    <message>
        <source>The link to this session was copied.</source>
        <translation>Ссылка на этот сеанс скопирована.</translation>
    </message>
    <message>
        <source>The link's %1 = %2 is out of range; %3 is used.</source>
        <translation>В ссылке %1 = %2 вне допустимых пределов; взято %3.</translation>
    </message>
    <message>
        <source>The link's %1 = “%2” is not a number; the start-up value is used.</source>
        <translation>В ссылке %1 = «%2» не число; взято начальное значение.</translation>
    </message>
    <message>
        <source>The picture was saved as %1.</source>
        <translation>Рисунок сохранён как %1.</translation>
    </message>
    <message>
        <source>The values were copied as a table.</source>
        <translation>Значения скопированы таблицей.</translation>
    </message>
</context>
</TS>
