<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Memo</name>
    <message>
        <source>Unit system</source>
        <translation>Sistema de unidades</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Axle loads: the %1 axle-load spectrum</source>
        <translation>Cargas por eje: el espectro de cargas por eje %1</translation>
    </message>
    <message>
        <source>Axle loads</source>
        <translation>Cargas por eje</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Single axle load (%1)</source>
        <translation>Carga por eje sencillo (%1)</translation>
    </message>
    <message>
        <source>Single axles per 1000 trucks</source>
        <translation>Ejes sencillos por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Tandem axle load (%1)</source>
        <translation>Carga por eje tándem (%1)</translation>
    </message>
    <message>
        <source>Tandem axles per 1000 trucks</source>
        <translation>Ejes tándem por cada 1000 camiones</translation>
    </message>
    <message>
        <source>Design memo</source>
        <translation>Memoria de diseño</translation>
    </message>
    <message>
        <source>Project information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>Input warnings</source>
        <translation>Advertencias sobre los datos</translation>
    </message>
    <message>
        <source>Inputs as entered</source>
        <translation>Datos de entrada como se introdujeron</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>Como se introdujo</translation>
    </message>
    <message>
        <source>Computed with %1.</source>
        <translation>Calculado con %1.</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Designed by: %1</source>
        <translation>Diseñó: %1</translation>
    </message>
    <message>
        <source>Checked by: %1</source>
        <translation>Revisó: %1</translation>
    </message>
    <message>
        <source>Date: ____________</source>
        <translation>Fecha: ____________</translation>
    </message>
    <message>
        <source>unsaved inputs</source>
        <translation>datos sin guardar</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Damage Chart</source>
        <translation>Gráfico de daño</translation>
    </message>
    <message>
        <source>Total damage against slab thickness</source>
        <translation>Daño total según el espesor de la losa</translation>
    </message>
    <message>
        <source>Slab thickness (%1)</source>
        <translation>Espesor de la losa (%1)</translation>
    </message>
    <message>
        <source>Total damage (%), log scale</source>
        <translation>Daño total (%), escala logarítmica</translation>
    </message>
    <message>
        <source>Total fatigue damage</source>
        <translation>Daño total por fatiga</translation>
    </message>
    <message>
        <source>Total erosion damage</source>
        <translation>Daño total por erosión</translation>
    </message>
    <message>
        <source>Recommended %1 %2</source>
        <translation>Recomendado %1 %2</translation>
    </message>
    <message>
        <source>Damage per axle row (%)</source>
        <translation>Daño por fila de ejes (%)</translation>
    </message>
    <message>
        <source>Damage (%)</source>
        <translation>Daño (%)</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Fatiga</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosión</translation>
    </message>
    <message>
        <source>Sensitivity of the recommended thickness</source>
        <translation>Sensibilidad del espesor recomendado</translation>
    </message>
    <message>
        <source>input -20 %</source>
        <translation>dato -20 %</translation>
    </message>
    <message>
        <source>input +20 %</source>
        <translation>dato +20 %</translation>
    </message>
    <message>
        <source>Recommended thickness with one input 20 % lower or higher</source>
        <translation>Espesor recomendado con un dato 20 % menor o mayor</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value -20 %</source>
        <translation>Valor -20 %</translation>
    </message>
    <message>
        <source>Value +20 %</source>
        <translation>Valor +20 %</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>Espesor (%1)</translation>
    </message>
    <message>
        <source>Recommended thickness (%1)</source>
        <translation>Espesor recomendado (%1)</translation>
    </message>
    <message>
        <source>Design alternatives</source>
        <translation>Alternativas de diseño</translation>
    </message>
    <message>
        <source>The recommended thickness for each combination of concrete shoulder and doweled joints, all other inputs as entered.</source>
        <translation>El espesor recomendado para cada combinación de bermas de concreto y juntas con pasadores, con los demás datos como se introdujeron.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>as entered</source>
        <translation>como se introdujo</translation>
    </message>
    <message>
        <source>Calculation details</source>
        <translation>Detalles del cálculo</translation>
    </message>
    <message>
        <source>No analysis has been run yet: run Perform Analysis before exporting to see the calculation details.</source>
        <translation>Aún no se ha realizado ningún análisis: ejecute Realizar análisis antes de exportar para ver los detalles del cálculo.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Project Information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Proyectista</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Revisor</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Runs</name>
    <message>
        <source>The inputs changed after the last analysis: the report&apos;s tables are from the earlier inputs.</source>
        <translation>Los datos cambiaron después del último análisis: las tablas del informe son de los datos anteriores.</translation>
    </message>
    <message>
        <source>&amp;Analyse Again</source>
        <translation>&amp;Analizar de nuevo</translation>
    </message>
    <message>
        <source>Run the last analysis again at the inputs as they are now.</source>
        <translation>Repetir el último análisis con los datos tal como están ahora.</translation>
    </message>
    <message>
        <source>The inputs have changed since the last analysis, so the tables do not belong to them. Analyse again first?</source>
        <translation>Los datos han cambiado desde el último análisis, así que las tablas no les corresponden. ¿Analizar de nuevo primero?</translation>
    </message>
    <message>
        <source>Inputs changed after this analysis</source>
        <translation>Datos cambiados después de este análisis</translation>
    </message>
</context>
<context>
    <name>Spectra</name>
    <message>
        <source>Light</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Heavy</source>
        <translation>Pesado</translation>
    </message>
    <message>
        <source>Very Heavy</source>
        <translation>Muy pesado</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>estándar</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Open .DEF</source>
        <translation>Abrir .DEF</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>The inputs are in these units now; reading a .DEF file changes them.</source>
        <translation>Los datos están ahora en estas unidades; leer un archivo .DEF las cambia.</translation>
    </message>
    <message>
        <source>Save .DEF</source>
        <translation>Guardar .DEF</translation>
    </message>
    <message>
        <source>Save report .PRN</source>
        <translation>Guardar informe .PRN</translation>
    </message>
    <message>
        <source>Save details .csv</source>
        <translation>Guardar detalles .csv</translation>
    </message>
    <message>
        <source>Print memo</source>
        <translation>Imprimir memoria</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Open a .DEF file, or drop one anywhere on the page.</source>
        <translation>Abra un archivo .DEF, o suéltelo en cualquier lugar de la página.</translation>
    </message>
    <message>
        <source>Your inputs from %1 were restored</source>
        <translation>Se restauraron sus datos de las %1</translation>
    </message>
    <message>
        <source>Start afresh</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Datos del pavimento</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Datos del tránsito</translation>
    </message>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorías de carga por eje</translation>
    </message>
    <message>
        <source>Axle load category</source>
        <translation>Categoría de carga por eje</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Heavry</source>
        <translation>Pesado</translation>
    </message>
    <message>
        <source>Veray Heavy</source>
        <translation>Muy pesado</translation>
    </message>
    <message>
        <source>Input Axles</source>
        <translation>Introducir ejes</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Fatigue Analysis</source>
        <translation>Análisis por fatiga</translation>
    </message>
    <message>
        <source>Erosion Analysis</source>
        <translation>Análisis por erosión</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Compute Design Thickness</source>
        <translation>Calcular espesor de diseño</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>S%1</source>
        <translation>S%1</translation>
    </message>
    <message>
        <source>T%1</source>
        <translation>T%1</translation>
    </message>
</context>
<context>
    <name>zan</name>
    <message>
        <source>The PDF document could not be started.</source>
        <translation>No se pudo iniciar el documento PDF.</translation>
    </message>
    <message>
        <source>The PDF document could not start a new page.</source>
        <translation>El documento PDF no pudo comenzar una página nueva.</translation>
    </message>
    <message>
        <source>The PDF document could not be finished.</source>
        <translation>No se pudo terminar el documento PDF.</translation>
    </message>
</context>
<context>
    <name>zan::AboutWindow</name>
    <message>
        <source>ZAN Thickness Design Program</source>
        <translation>Programa ZAN Thickness Design</translation>
    </message>
    <message>
        <source>for Concrete Highway and Street Pavements</source>
        <translation>para pavimentos de concreto de carreteras y calles</translation>
    </message>
    <message>
        <source>Developed at the</source>
        <translation>Desarrollado en el</translation>
    </message>
    <message>
        <source>ZAN Thickness Design project</source>
        <translation>proyecto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>Open pavement design software</source>
        <translation>Software abierto de diseño de pavimentos</translation>
    </message>
    <message>
        <source>wherever its contributors live</source>
        <translation>dondequiera que vivan sus colaboradores</translation>
    </message>
    <message>
        <source>Sponsored by</source>
        <translation>Patrocinado por</translation>
    </message>
    <message>
        <source>the engineers who use it</source>
        <translation>los ingenieros que lo usan</translation>
    </message>
    <message>
        <source>in every country</source>
        <translation>en todos los países</translation>
    </message>
    <message>
        <source>Release %1, December 2026</source>
        <translation>Versión %1, diciembre de 2026</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>The ZAN Thickness Design contributors</source>
        <translation>Los colaboradores de ZAN Thickness Design</translation>
    </message>
    <message>
        <source>developers and pavement engineers</source>
        <translation>desarrolladores e ingenieros de pavimentos</translation>
    </message>
    <message>
        <source>of the ZAN Thickness Design project</source>
        <translation>del proyecto ZAN Thickness Design</translation>
    </message>
    <message>
        <source>working from many cities</source>
        <translation>que trabajan desde muchas ciudades</translation>
    </message>
    <message>
        <source>Under the Supervision of</source>
        <translation>Bajo la supervisión de</translation>
    </message>
    <message>
        <source>The project&apos;s maintainers</source>
        <translation>Los responsables del proyecto</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>The project&apos;s reviewers</source>
        <translation>Los revisores del proyecto</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>zan::AxleDamagePlot</name>
    <message>
        <source>No analysis has been run yet. Perform Analysis draws the damage of each axle row here.</source>
        <translation>Aún no se ha realizado ningún análisis. Realizar análisis dibuja aquí el daño de cada fila de ejes.</translation>
    </message>
    <message>
        <source>Axle load (kN)</source>
        <translation>Carga por eje (kN)</translation>
    </message>
    <message>
        <source>Axle load (kips)</source>
        <translation>Carga por eje (kips)</translation>
    </message>
    <message>
        <source>Design axle load (kN, LSF applied)</source>
        <translation>Carga por eje de diseño (kN, con LSF)</translation>
    </message>
    <message>
        <source>Design axle load (kips, LSF applied)</source>
        <translation>Carga por eje de diseño (kips, con LSF)</translation>
    </message>
</context>
<context>
    <name>zan::DamageChartWindow</name>
    <message>
        <source>PNG Image|*.png|SVG Drawing|*.svg</source>
        <translation>Imagen PNG|*.png|Dibujo SVG|*.svg</translation>
    </message>
    <message>
        <source>The file %1 could not be written: the image could not be drawn.</source>
        <translation>No se pudo escribir el archivo %1: no se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>zan::DamageCurvePlot</name>
    <message>
        <source>Trial %1 %2</source>
        <translation>De prueba %1 %2</translation>
    </message>
</context>
<context>
    <name>zan::InputDialog</name>
    <message>
        <source>Axle-Load Categories</source>
        <translation>Categorías de carga por eje</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Check the values against their typical ranges and keep them.</source>
        <translation>Comprobar los valores con sus intervalos típicos y conservarlos.</translation>
    </message>
    <message>
        <source>Put back the values you came to the dialog with, and close it.</source>
        <translation>Devolver los valores que había al abrir el cuadro y cerrarlo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Pavement Data</source>
        <translation>Datos del pavimento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Traffic Data</source>
        <translation>Datos del tránsito</translation>
    </message>
</context>
<context>
    <name>zan::MainWindow</name>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The input data have changed since they were last saved. Save them before closing?</source>
        <translation>Los datos de entrada han cambiado desde la última vez que se guardaron. ¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Save Dialog</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Metric System Selected</source>
        <translation>Sistema métrico seleccionado</translation>
    </message>
    <message>
        <source>English System Selected</source>
        <translation>Sistema inglés seleccionado</translation>
    </message>
    <message>
        <source>Only a single input data file (.DEF) can be dropped here.</source>
        <translation>Aquí solo se puede soltar un único archivo de datos de entrada (.DEF).</translation>
    </message>
    <message>
        <source>The report could not be printed: %1</source>
        <translation>No se pudo imprimir el informe: %1</translation>
    </message>
    <message>
        <source>Save Outputs before closing?</source>
        <translation>¿Guardar los resultados antes de cerrar?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Read and save input data, save and print the report, exit.</source>
        <translation>Leer y guardar datos de entrada, guardar e imprimir el informe, salir.</translation>
    </message>
    <message>
        <source>&amp;Default Options</source>
        <translation>&amp;Opciones predeterminadas</translation>
    </message>
    <message>
        <source>Choose the unit system, until the first inputs exist.</source>
        <translation>Elegir el sistema de unidades, mientras no haya datos.</translation>
    </message>
    <message>
        <source>&amp;Metric System</source>
        <translation>Sistema &amp;métrico</translation>
    </message>
    <message>
        <source>Give every input in cm, kPa/mm, kPa and kN.</source>
        <translation>Dar todos los datos en cm, kPa/mm, kPa y kN.</translation>
    </message>
    <message>
        <source>&amp;English System</source>
        <translation>Sistema &amp;inglés</translation>
    </message>
    <message>
        <source>Give every input in in, psi/in, psi and kips.</source>
        <translation>Dar todos los datos en in, psi/in, psi y kips.</translation>
    </message>
    <message>
        <source>&amp;Detailed Reports</source>
        <translation>Informes &amp;detallados</translation>
    </message>
    <message>
        <source>&amp;Read Data From File...</source>
        <translation>&amp;Leer datos de un archivo...</translation>
    </message>
    <message>
        <source>Read all inputs and their unit system from a .DEF file.</source>
        <translation>Leer todos los datos y su sistema de unidades de un archivo .DEF.</translation>
    </message>
    <message>
        <source>&amp;Save Input Data...</source>
        <translation>&amp;Guardar datos de entrada...</translation>
    </message>
    <message>
        <source>Write all inputs to a .DEF file.</source>
        <translation>Escribir todos los datos en un archivo .DEF.</translation>
    </message>
    <message>
        <source>S&amp;ave Report...</source>
        <translation>Guardar in&amp;forme...</translation>
    </message>
    <message>
        <source>Write the report of the inputs and the last analysis to a .PRN file.</source>
        <translation>Escribir el informe de los datos y del último análisis en un archivo .PRN.</translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation>&amp;Imprimir informe...</translation>
    </message>
    <message>
        <source>Print the report of the inputs and the last analysis.</source>
        <translation>Imprimir el informe de los datos y del último análisis.</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Write the report, charts and calculation details to a PDF.</source>
        <translation>Escribir el informe, los gráficos y los detalles del cálculo en un PDF.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>End the program, after asking whether to save the report.</source>
        <translation>Terminar el programa, tras preguntar si se guarda el informe.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Enter the pavement, traffic and axle-load inputs.</source>
        <translation>Introducir los datos del pavimento, del tránsito y de cargas por eje.</translation>
    </message>
    <message>
        <source>&amp;Pavement Data...</source>
        <translation>Datos del &amp;pavimento...</translation>
    </message>
    <message>
        <source>Slab thickness, subgrade, concrete strength, shoulder, dowels.</source>
        <translation>Espesor de la losa, subrasante, concreto, bermas, pasadores.</translation>
    </message>
    <message>
        <source>&amp;Traffic Data...</source>
        <translation>Datos del &amp;tránsito...</translation>
    </message>
    <message>
        <source>Daily traffic, trucks, distributions, growth, period, LSF.</source>
        <translation>Tránsito diario, camiones, distribuciones, crecimiento, periodo, LSF.</translation>
    </message>
    <message>
        <source>Project &amp;Information...</source>
        <translation>&amp;Información del proyecto...</translation>
    </message>
    <message>
        <source>Project, client, designer and checker for the file and memo.</source>
        <translation>Proyecto, cliente, proyectista y revisor del archivo y la memoria.</translation>
    </message>
    <message>
        <source>&amp;Axle Load Cat...</source>
        <translation>&amp;Categorías de carga...</translation>
    </message>
    <message>
        <source>Fill the axle loads from a built-in spectrum.</source>
        <translation>Llenar las cargas por eje con un espectro incorporado.</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Ligero</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Light category: residential streets.</source>
        <translation>Cambiar las cargas por eje por la categoría Ligero: calles residenciales.</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Medium category: collector streets.</source>
        <translation>Cambiar las cargas por eje por la categoría Medio: calles colectoras.</translation>
    </message>
    <message>
        <source>&amp;Heavry</source>
        <translation>&amp;Pesado</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Heavy category: arterials, highways.</source>
        <translation>Cambiar las cargas por eje por la categoría Pesado: arterias, carreteras.</translation>
    </message>
    <message>
        <source>&amp;Veray Heavy</source>
        <translation>M&amp;uy pesado</translation>
    </message>
    <message>
        <source>Replace the axle loads by the Very Heavy category: heavy trucks.</source>
        <translation>Cambiar las cargas por eje por la categoría Muy pesado: camiones pesados.</translation>
    </message>
    <message>
        <source>&amp;Input Axles</source>
        <translation>&amp;Introducir ejes</translation>
    </message>
    <message>
        <source>Replace the axle loads by the standard spectrum, to type over.</source>
        <translation>Cambiar las cargas por eje por el espectro estándar, para escribir encima.</translation>
    </message>
    <message>
        <source>&amp;Perform Analysis</source>
        <translation>&amp;Realizar análisis</translation>
    </message>
    <message>
        <source>Analyse the trial thickness, or chart the damage.</source>
        <translation>Analizar el espesor de prueba, o graficar el daño.</translation>
    </message>
    <message>
        <source>&amp;Fatigue Analysis</source>
        <translation>Análisis por &amp;fatiga</translation>
    </message>
    <message>
        <source>Analyse the fatigue damage of the trial thickness.</source>
        <translation>Analizar el daño por fatiga del espesor de prueba.</translation>
    </message>
    <message>
        <source>&amp;Erosion Analysis</source>
        <translation>Análisis por &amp;erosión</translation>
    </message>
    <message>
        <source>Analyse the erosion damage of the trial thickness.</source>
        <translation>Analizar el daño por erosión del espesor de prueba.</translation>
    </message>
    <message>
        <source>&amp;Both</source>
        <translation>&amp;Ambos</translation>
    </message>
    <message>
        <source>Analyse the fatigue and erosion damage of the trial thickness.</source>
        <translation>Analizar el daño por fatiga y por erosión del espesor de prueba.</translation>
    </message>
    <message>
        <source>Damage &amp;Chart...</source>
        <translation>&amp;Gráfico de daño...</translation>
    </message>
    <message>
        <source>Chart damage against thickness, per axle row, and sensitivity.</source>
        <translation>Graficar el daño según el espesor, por fila de ejes, y la sensibilidad.</translation>
    </message>
    <message>
        <source>&amp;Compute Design Thickness</source>
        <translation>&amp;Calcular espesor de diseño</translation>
    </message>
    <message>
        <source>Find the thinnest slab with both damages below 100 %.</source>
        <translation>Hallar la losa más delgada con ambos daños bajo el 100 %.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Open the user guide or the About window.</source>
        <translation>Abrir la guía del usuario o la ventana Acerca de.</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Léame</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Open the user guide: inputs, commands, report, messages.</source>
        <translation>Abrir la guía del usuario: datos, comandos, informe, mensajes.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show the program&apos;s title and credits.</source>
        <translation>Mostrar el título y los créditos del programa.</translation>
    </message>
</context>
<context>
    <name>zan::PavementDialog</name>
    <message>
        <source>Concrete shoulder: Yes when a tied concrete shoulder supports the slab edge, No for asphalt, granular or untied shoulders.</source>
        <translation>Bermas de concreto: Sí cuando una berma de concreto amarrada apoya el borde de la losa (con apoyo lateral); No para bermas de asfalto, granulares o no amarradas (sin apoyo lateral).</translation>
    </message>
    <message>
        <source>Doweled joints: Yes when the transverse joints carry dowel bars, No when load transfer is by aggregate interlock only.</source>
        <translation>Juntas con pasadores: Sí cuando las juntas transversales llevan pasadores, No cuando la transferencia de carga es solo por trabazón de agregados.</translation>
    </message>
</context>
<context>
    <name>zan::ProjectDialog</name>
    <message>
        <source>Project Information</source>
        <translation>Información del proyecto</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Ubicación:</translation>
    </message>
    <message>
        <source>C&amp;lient:</source>
        <translation>C&amp;liente:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>Pro&amp;yectista:</translation>
    </message>
    <message>
        <source>C&amp;hecker:</source>
        <translation>&amp;Revisor:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>Re&amp;visión:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
</context>
<context>
    <name>zan::QtPlatform</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo comenzar una página nueva.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora informó de un error.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
</context>
<context>
    <name>zan::TornadoPlot</name>
    <message>
        <source>No recommended thickness to compare with.</source>
        <translation>No hay un espesor recomendado con el cual comparar.</translation>
    </message>
    <message>
        <source>no thickness found</source>
        <translation>no se halló espesor</translation>
    </message>
</context>
<context>
    <name>zan::UserGuideWindow</name>
    <message>
        <source>ZAN Thickness Design User Guide</source>
        <translation>Guía del usuario de ZAN Thickness Design</translation>
    </message>
</context>
</TS>
